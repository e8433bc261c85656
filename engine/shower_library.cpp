#include "engine/shower_library.hpp"

#include <charconv>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/engine_context.hpp"

namespace tolv7 {

namespace {

constexpr int kRecordsPerBlock = kShowerDepths * kShowerParticles;
constexpr int kLinesPerBlock = 2 + kRecordsPerBlock;
constexpr int kLinesPerFile = kShowerEnergies * kLinesPerBlock;
constexpr int kFieldWidth = 10;
constexpr int kFirstNumberColumn = 21;
constexpr int kRecordWidth = 180;
constexpr int kImpliedDecimals = 3;

// Factor of the top depth's own value in the top-of-atmosphere adjustment.
constexpr double kTopDepthShare = 0.12999999523162842;
static_assert(kTopDepthShare == double(0.13f));

bool is_blank(char c) { return c == ' ' || c == '\t'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads a field in one pass: the digits of the mantissa and the power of ten
// that the point, the exponent and the implied decimals give are gathered
// into a compact number text that std::from_chars converts with correct
// rounding, as the general field reader does. Anything unusual (and every
// field that is not a number) goes to the general field reader, which
// applies the same rules.
std::optional<double> quick_field(std::string_view f) {
    char text[48];
    std::size_t used = 0;
    std::size_t i = 0;
    const std::size_t n = f.size();
    while (i < n && is_blank(f[i])) ++i;
    if (i == n) return 0.0;
    if (f[i] == '+' || f[i] == '-') {
        if (f[i] == '-') text[used++] = '-';
        ++i;
    }
    int decimals = 0;
    bool point = false;
    bool digits = false;
    for (; i < n; ++i) {
        char c = f[i];
        if (is_blank(c)) continue;
        if (is_digit(c)) {
            if (used == 24) return std::nullopt;
            text[used++] = c;
            digits = true;
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    int exponent = 0;
    if (i < n) {
        char c = f[i];
        if (c == 'E' || c == 'e' || c == 'D' || c == 'd') ++i;
        else if (c != '+' && c != '-') return std::nullopt;
        while (i < n && is_blank(f[i])) ++i;
        bool negative_exponent = false;
        if (i < n && (f[i] == '+' || f[i] == '-')) negative_exponent = f[i++] == '-';
        int exponent_digits = 0;
        for (; i < n; ++i) {
            if (is_blank(f[i])) continue;
            if (!is_digit(f[i]) || exponent_digits == 4) return std::nullopt;
            exponent = exponent * 10 + (f[i] - '0');
            ++exponent_digits;
        }
        if (exponent_digits == 0) return std::nullopt;
        if (negative_exponent) exponent = -exponent;
    }
    int power = exponent - decimals - (point ? 0 : kImpliedDecimals);
    text[used++] = 'e';
    auto end = std::to_chars(text + used, text + sizeof text, power).ptr;
    double value = 0.0;
    auto result = std::from_chars(text, end, value);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

bool integer_field_ok(std::string_view f) {
    for (char c : f)
        if (!is_blank(c) && !is_digit(c)) return parse_fixed_int(f).has_value();
    return true;
}

// The lines of a file held in memory, without their line ends.
class LineCursor {
public:
    explicit LineCursor(const std::string& text) : text_(text) {}
    bool next(std::string_view& line) {
        if (pos_ >= text_.size()) return false;
        const char* start = text_.data() + pos_;
        std::size_t left = text_.size() - pos_;
        const void* end = std::memchr(start, '\n', left);
        std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - start) : left;
        pos_ += length + 1;
        line = std::string_view(start, length);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return true;
    }
    int number() const { return number_; }

private:
    const std::string& text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

std::string read_whole(std::ifstream& in, const std::string& path) {
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0) stop_file_error(path, "cannot be read");
    std::string text(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(text.data(), size)) stop_file_error(path, "cannot be read");
    return text;
}

// `record` is the line as read (padded to the record width).
[[noreturn]] void unreadable(const std::string& path, int line, std::string_view record, int first, int last) {
    std::string field(record.substr(static_cast<std::size_t>(first - 1), static_cast<std::size_t>(last - first + 1)));
    stop_file_error(path, "line " + std::to_string(line) + ": \"" + field + "\" in columns " + std::to_string(first) +
                              "-" + std::to_string(last) + " is not a number");
}

[[noreturn]] void ended_early(const std::string& path, int lines_read) {
    stop_file_error(path, "ends after line " + std::to_string(lines_read) + " of " + std::to_string(kLinesPerFile));
}

void read_shower_file(std::ifstream& in, const std::string& path, int slot, std::vector<double>& ftdcc,
                      std::vector<double>& ftdccs) {
    const std::string text = read_whole(in, path);
    LineCursor lines(text);
    std::string_view line;
    char padded[kRecordWidth];
    for (int e = 1; e <= kShowerEnergies; ++e) {
        for (int header = 0; header < 2; ++header)  // two header lines, not used
            if (!lines.next(line)) ended_early(path, lines.number());
        for (int d = 1; d <= kShowerDepths; ++d) {
            for (int p = 1; p <= kShowerParticles; ++p) {
                if (!lines.next(line)) ended_early(path, lines.number());
                if (line.size() < kRecordWidth) {  // a short record reads as padded with blanks
                    std::memset(padded, ' ', sizeof padded);
                    std::memcpy(padded, line.data(), line.size());
                    line = std::string_view(padded, sizeof padded);
                }
                if (!integer_field_ok(line.substr(2, 10))) unreadable(path, lines.number(), line, 3, 12);
                if (!integer_field_ok(line.substr(12, 4))) unreadable(path, lines.number(), line, 13, 16);
                if (!integer_field_ok(line.substr(16, 4))) unreadable(path, lines.number(), line, 17, 20);
                for (int q = 1; q <= kDoseQuantities; ++q) {
                    std::size_t at = shower_index(slot, e, d, p, q);
                    for (int k = 0; k < 2; ++k) {
                        int first = kFirstNumberColumn + (2 * (q - 1) + k) * kFieldWidth;
                        auto value = shower_field(line.substr(static_cast<std::size_t>(first - 1), kFieldWidth));
                        if (!value) unreadable(path, lines.number(), line, first, first + kFieldWidth - 1);
                        (k == 0 ? ftdcc : ftdccs)[at] = *value;
                    }
                }
            }
        }
    }
}

// At the top of the atmosphere the quantities 2 to 8 take the level below
// plus a share of their own value.
void adjust_top_depth(std::vector<double>& table) {
    for (int q = 2; q <= kDoseQuantities; ++q)
        for (int p = 1; p <= kShowerParticles; ++p)
            for (int e = 1; e <= kShowerEnergies; ++e)
                for (int s = 1; s <= kShowerSlots; ++s) {
                    double& top = table[shower_index(s, e, kShowerDepths, p, q)];
                    top = kTopDepthShare * top + table[shower_index(s, e, kShowerDepths - 1, p, q)];
                }
}

}  // namespace

std::optional<double> shower_field(std::string_view field) {
    if (auto value = plain_real_field(field)) return value;
    if (auto value = quick_field(field)) return value;
    return parse_fixed_real(field, kImpliedDecimals);
}

void loadftdccs(const EngineContext& p) {
    const std::string os = pad_to(p.set.init.os, 3);
    p.con.line(ListLine() << "OS is " << os);
    std::vector<std::string> paths;
    std::vector<std::ifstream> files(kShowerSlots);
    for (int s = 0; s < kShowerSlots; ++s) {
        paths.push_back(os_path(p.set.init, "SHOWERS", kShowerFiles[static_cast<std::size_t>(s)]));
        open_existing(files[static_cast<std::size_t>(s)], paths.back(), std::ios::binary);
    }
    std::vector<double> ftdcc(kShowerValues);
    std::vector<double> ftdccs(kShowerValues);
    for (int s = 0; s < kShowerSlots; ++s) {
        auto i = static_cast<std::size_t>(s);
        read_shower_file(files[i], paths[i], s + 1, ftdcc, ftdccs);
        files[i].close();
    }
    adjust_top_depth(ftdcc);
    adjust_top_depth(ftdccs);
    p.engine.ftdcc = std::move(ftdcc);
    p.engine.ftdccs = std::move(ftdccs);
}

}  // namespace tolv7
