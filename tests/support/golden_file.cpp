#include "support/golden_file.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "support/test_program.hpp"

namespace tolv7::test {

namespace {

// One line of a text: its characters and the end that closed it ("\n",
// "\r\n", or "" for a last line without a newline).
struct TextLine {
    std::string text;
    std::string end;
};

std::vector<TextLine> text_lines(const std::string& s) {
    std::vector<TextLine> lines;
    std::size_t at = 0;
    while (at < s.size()) {
        std::size_t nl = s.find('\n', at);
        if (nl == std::string::npos) {
            lines.push_back({s.substr(at), ""});
            break;
        }
        bool crlf = nl > at && s[nl - 1] == '\r';
        lines.push_back({s.substr(at, nl - at - (crlf ? 1 : 0)), crlf ? "\r\n" : "\n"});
        at = nl + 1;
    }
    return lines;
}

// The text in double quotes, with control characters as escapes (a lone
// carriage return must show).
std::string shown(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c < 0x20 || c == 0x7f) {
            const char* hex = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

fs::path golden_path(const std::string& name) { return fs::path(TOLV7_GOLDEN_DIR) / name; }

bool updating_golden() {
    const char* flag = std::getenv("TOLV7_UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

std::optional<std::string> text_difference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return std::nullopt;
    const std::vector<TextLine> want = text_lines(expected);
    const std::vector<TextLine> got = text_lines(actual);
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i].text == got[i].text && want[i].end == got[i].end) ++i;
    std::ostringstream out;
    out << "line " << i + 1 << ":";
    if (i >= got.size()) {
        out << " the text ends before it, want " << shown(want[i].text + want[i].end);
    } else if (i >= want.size()) {
        out << " the text goes on past the end, got " << shown(got[i].text + got[i].end);
    } else if (want[i].text != got[i].text) {
        out << "\n  got  " << shown(got[i].text + got[i].end) << "\n  want " << shown(want[i].text + want[i].end);
    } else if (got[i].end.empty()) {
        out << " the final newline is missing (" << shown(got[i].text) << ")";
    } else if (want[i].end.empty()) {
        out << " a final newline that the expected text has not (" << shown(got[i].text + got[i].end) << ")";
    } else {
        out << " the line end differs: got " << shown(got[i].end) << ", want " << shown(want[i].end) << " ("
            << shown(got[i].text) << ")";
    }
    return out.str();
}

::testing::AssertionResult matches_golden(const std::string& name, const std::string& actual) {
    const fs::path path = golden_path(name);
    if (updating_golden()) {
        fs::create_directories(path.parent_path());
        write_file(path, actual);
        return ::testing::AssertionSuccess();
    }
    if (!fs::exists(path)) return ::testing::AssertionFailure() << "no committed copy " << path.string();
#ifdef _WIN32
    // The Windows exception (see the header).
    const auto difference = text_difference(crlf_as_lf(read_bytes(path)), crlf_as_lf(actual));
#else
    const auto difference = text_difference(read_bytes(path), actual);
#endif
    if (difference) return ::testing::AssertionFailure() << name << " " << *difference;
    return ::testing::AssertionSuccess();
}

}  // namespace tolv7::test
