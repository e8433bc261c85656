#include "app/console_routines.hpp"

#include <fstream>

#include "app/app_context.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/free_form.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

// The text at the left and `tail` ending in column 64.
std::string banner(const std::string& head, const std::string& tail) {
    std::string line = pad_to("  " + head, 64);
    line.replace(64 - tail.size(), tail.size(), tail);
    return line;
}

const char kHint[] = "(If entering more than a word, enclose answer in quotes)";


}  // namespace

const std::string& banner_line1() {
    static const std::string line = banner("TOLV-7", "Ostrelle");
    return line;
}

const std::string& banner_line2() {
    static const std::string line = banner("April 23, 2020 (4.1.3)", "Vandemere");
    return line;
}

std::string indented(const std::string& text, int width) {
    return std::string(10, ' ') + fmt_a(text, width);
}

std::string message_line(const std::string& text, int width) {
    std::size_t w = static_cast<std::size_t>(width);
    std::string field = text.size() >= w ? text.substr(0, w) : std::string(w - text.size(), ' ') + text;
    return std::string(10, ' ') + field;
}

void menuheader(const AppContext& p) {
    p.con.line(" ");
    p.con.line(" " + banner_line1());
    p.con.line(" " + banner_line2());
    p.con.blank_lines(2);
}

void cls(const AppContext& p) { p.con.blank_lines(50); }

std::string readkb(const AppContext& p, int n) {
    if (n > 1) p.con.hint(ListLine() << kHint);
    return lc2uc(pad_to(read_kb_item(p), static_cast<std::size_t>(n)), n);
}

std::string read_kb_item(const AppContext& p) {
    for (;;) {
        std::string line = p.con.read_line();
        bool ended = false;
        auto items = split_free_items(line, ended);
        if (items.empty() && !ended) continue;
        return items.empty() || items[0].null ? std::string() : items[0].text;
    }
}

std::optional<long long> read_kb_integer(const AppContext& p) {
    std::string item = read_kb_item(p);
    if (item.find(' ') != std::string::npos) return std::nullopt;
    return parse_fixed_int(item);
}

std::optional<double> read_kb_real(const AppContext& p) {
    std::string item = read_kb_item(p);
    if (item.find(' ') != std::string::npos) return std::nullopt;
    return parse_fixed_real(item, 0);
}

std::string lc2uc(const std::string& source, int n) {
    return upper_case(source.substr(0, static_cast<std::size_t>(n)));
}

void oops(const AppContext& p, const std::string& message) {
    p.con.line(message_line(message, 60));
    if (diagnostics_on(p.set.init)) p.log.line(ListLine() << message);
    if (pause_after_messages(p.set.init)) pause_for_key(p);
}

void pause_for_key(const AppContext& p) {
    p.con.line(" ");
    p.con.line(message_line("Press a character then press <ENTER> to continue", 50));
    readkb(p, 1);
}

void show_paragraph(const AppContext& p, const std::string& text) {
    // Words are kept whole; a word longer than a line is cut into lines.
    constexpr std::size_t kWidth = 60;
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find(' ', i);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(i, end - i);
        i = end + 1;
        while (word.size() > kWidth) {
            if (!line.empty()) p.con.line(indented(line, kWidth));
            p.con.line(indented(word.substr(0, kWidth), kWidth));
            line.clear();
            word.erase(0, kWidth);
        }
        if (word.empty()) continue;
        if (!line.empty() && line.size() + 1 + word.size() > kWidth) {
            p.con.line(indented(line, kWidth));
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) p.con.line(indented(line, kWidth));
}

void epitath(const AppContext& p, const std::string& message) { epitath(p, message, trim(message)); }

void epitath(const AppContext& p, const std::string& message, const std::string& detail, int status) {
    p.con.line(message_line(message, 60));
    p.log.line(ListLine() << message);
    p.con.line(" ");
    p.con.line(ListLine() << "Fatal error, aborting program!");
    throw ProgramStop(status, detail);
}

std::string viewer_command(const AppContext& p, const std::string& file_name) {
    std::ifstream ini = open_existing("TOLV.INI");
    std::string viewer;
    bool found = false;
    // Each line is read as three free-form items: name, separator, value.
    while (auto rec = read_free(ini, 3)) {
        std::string name = trim_right(rec->text(0, 12));
        if (name == "VIEWER") {
            viewer = rec->text(2, 12);
            found = true;
            break;
        }
        if (name == "END") break;
    }
    // Without a name (a location list never picked) the viewer starts on its own.
    // A name beginning with "-" goes as ./NAME on a POSIX system, so that the
    // viewer does not take it for its options.
    const bool windows = windows_os(p.set.init);
    const std::string named = file_name.starts_with('-') && !windows ? "./" + file_name : file_name;
    std::string quoted = file_name.empty() ? "" : shell_quote(named, windows);
    return trim_right(found ? viewer + " " + quoted : "NOTEPAD " + quoted);
}

void showpick(const AppContext& p, const std::string& file_name) {
    std::string command = viewer_command(p, file_name);
    p.con.flush();
    p.shell.run(command);
}

void showhelp(const AppContext& p) {
    cls(p);
    showpick(p, "HELP.TXT");
}

}  // namespace tolv7
