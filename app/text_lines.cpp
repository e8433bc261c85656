#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

using Traits = std::char_traits<char>;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether the stream stands at the start of its file before a byte-order
// mark, `next` being the byte there. The position is asked only when that
// byte could begin one: a console or pipe has no position and never drops
// anything.
bool mark_at_start(std::streambuf& buf, Traits::int_type next) {
    if (!Traits::eq_int_type(next, Traits::to_int_type(kByteOrderMark[0]))) return false;
    return buf.pubseekoff(0, std::ios::cur, std::ios::in) == std::streampos(0);
}

bool is(Traits::int_type c, char ch) { return Traits::eq_int_type(c, Traits::to_int_type(ch)); }

}  // namespace

// Each character is looked at before it is taken, and nothing is read past
// an LF: a console read never waits for more than its line.
bool read_line(std::istream& in, std::string& line) {
    line.clear();
    std::istream::sentry ready(in, true);
    if (!ready) return false;
    std::streambuf& buf = *in.rdbuf();
    bool any = false;  // characters taken, line end included
    try {
        Traits::int_type c = buf.sgetc();
        bool mark = mark_at_start(buf, c);
        for (;; c = buf.snextc()) {
            if (Traits::eq_int_type(c, Traits::eof())) {
                in.setstate(any ? std::ios::eofbit : std::ios::eofbit | std::ios::failbit);
                break;
            }
            any = true;
            if (is(c, '\n')) {
                buf.sbumpc();
                break;
            }
            if (is(c, '\r')) {  // CR LF, or a lone CR
                if (is(buf.snextc(), '\n')) buf.sbumpc();
                break;
            }
            line.push_back(Traits::to_char_type(c));
        }
        if (mark && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    } catch (...) {  // a read error of the file below
        in.setstate(std::ios::badbit);
        return false;
    }
    return any;
}

std::string trim_right(const std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string trim_left(const std::string& text, std::string_view blanks) {
    std::size_t first = text.find_first_not_of(blanks);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string trim(const std::string& text) { return trim_right(trim_left(text)); }

std::string pad_to(const std::string& text, std::size_t width) {
    std::string out = text.substr(0, width);
    out.resize(width, ' ');
    return out;
}

std::string upper_case(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

}  // namespace tolv7
