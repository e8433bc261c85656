#include "app/conversions.hpp"

#include "app/app_context.hpp"
#include "app/console_routines.hpp"
#include "app/fixed_columns.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

std::string first_chars(const std::string& text, int n) {
    return pad_to(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

bool all_blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::optional<std::int32_t> char2int(std::string& text, int n) {
    std::string field = first_chars(text, n);
    if (all_blank(field)) return 0;
    std::size_t minus = field.find('-');
    if (minus != std::string::npos) {
        field = pad_to(field.substr(minus), field.size());
        text.replace(0, std::min(text.size(), field.size()), field);
    }
    auto value = parse_fixed_int(field.substr(0, 7));
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<double> char2real(const std::string& text, int n) {
    std::string field = first_chars(text, n);
    if (all_blank(field)) return 0.0;
    return parse_fixed_real(field.substr(0, 15), 7);
}

void int2char(const AppContext& p, int i, std::string& text, int w) {
    std::size_t length = std::max<std::size_t>(text.size(), static_cast<std::size_t>(w > 0 ? w : 0));
    if (i >= 0 && i <= 9 && w == 1) {
        text = pad_to(std::string(1, static_cast<char>('0' + i)), length);
    } else if (i >= 0 && i <= 9 && w == 2) {
        text = pad_to(std::string("0") + static_cast<char>('0' + i), length);
    } else if (i < 0 && (w == 1 || w == 2)) {
        return;
    } else if (i >= 10 && i <= 99 && w == 2) {
        text = pad_to(std::to_string(i), length);
    } else {
        epitath(p, " NUMBER IN INT2CHAR TOO LARGE",
                "int2char: the number " + std::to_string(i) + " does not fit a text field of " + std::to_string(w) +
                    (w == 1 ? " character" : " characters") + " (0-9 in 1, 0-99 in 2)");
    }
}

std::array<int, 10> findcommas(const std::string& text, int n) {
    std::array<int, 10> pos{};
    std::string field = first_chars(text, n);
    std::size_t last_comma = field.rfind(',');
    if (last_comma == std::string::npos) {
        pos.fill(1);
        return pos;
    }
    int last = static_cast<int>(last_comma) + 1;
    int previous = 1;
    for (int k = 0; k < 10; ++k) {
        std::size_t next = field.find(',', static_cast<std::size_t>(previous));
        pos[static_cast<std::size_t>(k)] = next == std::string::npos ? previous : static_cast<int>(next) + 1;
        previous = pos[static_cast<std::size_t>(k)];
        if (previous >= last) break;
    }
    return pos;
}

std::string partstr(std::int32_t code) {
    static const char* const names[39] = {
        "TOTAL",     "NEUTRONS",  "PHOTONS",    "ELECTRONS", "POSITRONS", "NEG MUONS", "POS MUONS",
        "PROTONS",   "NEG PIONS", "POS PIONS",  "DEUTERONS", "TRITONS",   "HELIONS",   "ALPHAS",
        "LITHIUM",   "BERYLLIUM", "BORON",      "CARBON",    "NITROGEN",  "OXYGEN",    "FLUORINE",
        "NEON",      "SODIUM",    "MAGNESIUM",  "ALUMINUM",  "SILICON",   "PHOSPHORUS", "SULPHUR",
        "CHLORINE",  "ARGON",     "POTASSIUM",  "CALCIUM",   "SCANDIUM",  "TITANIUM",  "VANADIUM",
        "CHROMIUM",  "MANGANESE", "IRON",       "TOTAL"};
    if (code < 0 || code > 38) return std::string(10, ' ');
    return pad_to(names[code], 10);
}

std::string ews(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9' ? "W" : "E";
}

std::string nss(const std::string& text) {
    return !text.empty() && text[0] >= '0' && text[0] <= '9' ? "N" : "S";
}

}  // namespace tolv7
