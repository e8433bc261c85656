#include "runs/angle_text.hpp"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The text made at least n characters long, so that a blank taken as 0 can
// be written back in place.
void widen(std::string& text, int n) {
    if (n > 0 && text.size() < static_cast<std::size_t>(n)) text.resize(static_cast<std::size_t>(n), ' ');
}

// The digits of a number as gvali4 and gvalr8 read it, with blanks inside
// it taken as 0 (and written back as '0'); a bad character is written back
// as '0' too.
struct NumberText {
    std::string digits;
    int decimals = 0;
    bool negative = false;
    bool bad = false;
    int used = 0;  // characters used, the ending one included
};

NumberText scan_number(std::string& text, int n, bool decimal_point) {
    widen(text, n);
    NumberText number;
    number.used = n > 0 ? n : 0;
    bool begun = false;
    bool fraction = false;
    for (int i = 0; i < n; ++i) {
        char& c = text[static_cast<std::size_t>(i)];
        if ((c == ' ' || c == ':') && !begun) continue;
        if (c == ':' || c == '$') {
            number.used = i + 1;
            return number;
        }
        if ((c == '+' || c == '-') && !begun) {
            number.negative = c == '-';
            begun = true;
            continue;
        }
        if (c == '.' && decimal_point && !fraction) {
            fraction = begun = true;
            continue;
        }
        if (c == ' ') c = '0';
        if (!is_digit(c)) {
            c = '0';
            number.bad = true;
            number.used = i + 1;
            return number;
        }
        begun = true;
        number.digits.push_back(c);
        if (fraction) ++number.decimals;
    }
    return number;
}

}  // namespace

int gvali4(std::string& text, int n, int& value, int& error) {
    NumberText number = scan_number(text, n, false);
    value = 0;
    error = number.bad ? 1 : 0;
    std::int64_t magnitude = 0;
    for (char d : number.digits) {
        magnitude = magnitude * 10 + (d - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + (number.negative ? 1 : 0)) {
            error = 1;
            return number.used;
        }
    }
    if (!error) value = static_cast<int>(number.negative ? -magnitude : magnitude);
    return number.used;
}

int gvalr8(std::string& text, int n, double& value, int& error) {
    NumberText number = scan_number(text, n, true);
    value = 0.0;
    error = number.bad ? 1 : 0;
    double magnitude = 0.0;
    for (char d : number.digits) magnitude = magnitude * 10.0 + (d - '0');
    magnitude /= std::pow(10.0, number.decimals);
    if (!std::isfinite(magnitude)) error = 1;
    if (!error) value = number.negative ? -magnitude : magnitude;
    return number.used;
}

DmsParts bufdms(const std::string& text, int n, char code) {
    DmsParts out;
    out.flag = code == '*' ? 1 : 0;
    double limit = code == 'N' || code == 'S' ? 90.0 : code == 'Z' ? 180.0 : 360.0;

    std::string angle = pad_to(text, n > 0 ? static_cast<std::size_t>(n) : 0);
    angle = trim(angle.substr(0, angle.find('$')));
    bool negative = false;
    if (!angle.empty() && (angle[0] == '-' || angle[0] == '+')) {
        negative = angle[0] == '-';
        angle = trim(angle.substr(1));
    }

    std::vector<std::string> pieces;
    for (std::size_t start = 0;;) {
        std::size_t colon = angle.find(':', start);
        pieces.push_back(trim(angle.substr(start, colon - start)));
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    double part[3] = {0.0, 0.0, 0.0};
    bool bad = pieces.size() > 3;
    for (std::size_t i = 0; i < pieces.size() && !bad; ++i) {
        std::string& piece = pieces[i];
        bool last = i + 1 == pieces.size();
        if (piece.empty() || piece[0] == '+' || piece[0] == '-' || (!last && piece.find('.') != std::string::npos)) {
            bad = true;
            break;
        }
        int error = 0;
        gvalr8(piece, static_cast<int>(piece.size()), part[i], error);
        bad = error != 0;
    }
    if (bad) {
        out.flag = 1;
        return out;
    }

    // A fraction of the last part given is spread over the parts after it.
    std::size_t given = pieces.size();
    if (given == 1) {
        double whole = std::floor(part[0]);
        double minutes = (part[0] - whole) * 60.0;
        part[0] = whole;
        part[1] = std::floor(minutes);
        part[2] = (minutes - part[1]) * 60.0;
    } else if (given == 2) {
        double whole = std::floor(part[1]);
        part[2] = (part[1] - whole) * 60.0;
        part[1] = whole;
    }
    if (part[1] >= 60.0 || part[2] >= 60.0) out.flag = 1;
    if (code != '*' && part[0] + part[1] / 60.0 + part[2] / 3600.0 > limit) out.flag = 1;

    double sign = negative ? -1.0 : 1.0;
    out.degrees = sign * part[0];
    out.minutes = sign * part[1];
    out.seconds = sign * part[2];
    return out;
}

bool todmsp(const Consts& consts, double& angle, Dms& out) {
    // Far more turns than any angle of a real computation.
    constexpr int kPassLimit = 1000;
    if (!std::isfinite(angle)) return false;
    const double twopi = 2.0 * consts.pi;
    double reduced = angle;
    for (int pass = 0; reduced > consts.pi; ++pass) {
        if (pass == kPassLimit) return false;
        reduced -= twopi;
    }
    for (int pass = 0; reduced < -consts.pi; ++pass) {
        if (pass == kPassLimit) return false;
        reduced += twopi;
    }
    angle = reduced;

    Dms dms;
    dms.sign = reduced < 0.0 ? -1 : 1;
    double degrees = std::fabs(reduced) * consts.rad;
    dms.degrees = static_cast<int>(degrees);
    double minutes = (degrees - dms.degrees) * 60.0;
    dms.minutes = static_cast<int>(minutes);
    dms.seconds = (minutes - dms.minutes) * 60.0;
    if (std::round(dms.seconds * 100000.0) >= 6000000.0) {
        dms.seconds = 0.0;
        ++dms.minutes;
    }
    if (dms.minutes >= 60) {
        dms.minutes = 0;
        ++dms.degrees;
    }
    out = dms;
    return true;
}

double ew(char letter) { return letter == 'E' ? 1.0 : -1.0; }

double ns(char letter) { return letter == 'N' ? 1.0 : -1.0; }

}  // namespace tolv7
