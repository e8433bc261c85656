#include "app/file_picker.hpp"

#include <filesystem>
#include <fstream>

#include "app/app_context.hpp"
#include "app/console_routines.hpp"
#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

namespace {

constexpr std::size_t kMaxNames = 800;  // 50 pages of 16
constexpr int kPerPage = 16;

std::string trimmed(const std::string& text) {
    return trim_right(trim_left(text, " \t"));
}

void show_page(const AppContext& p, const std::vector<std::string>& names, int page, int pages,
               const PagePrompts& prompts) {
    cls(p);
    p.con.line(" ");
    p.con.line(ListLine() << " PAGE " << page << " OF " << pages);
    p.con.line(" ");
    p.con.line(ListLine() << "    Showing available files 16 at a time.");
    p.con.line(" ");
    int first = (page - 1) * kPerPage + 1;
    int last = std::min(page * kPerPage, static_cast<int>(names.size()));
    for (int number = first; number <= last; ++number)
        p.con.line(std::string(10, ' ') + "<" + fmt_i(number, 2) + "> " +
                   fmt_a(names[static_cast<std::size_t>(number - 1)], 60));
    p.con.line(" ");
    // Only the page turns that lead somewhere are offered.
    std::string prompt = "Enter a file number";
    if (page < pages) prompt += ", " + prompts.next;
    if (page > 1) prompt += ", " + prompts.previous;
    prompt += pages > 1 ? ", or quit <Q,q>: " : " or quit <Q,q>: ";
    p.con.line(std::string(static_cast<std::size_t>(prompts.indent), ' ') + prompt);
}

// Whether one more byte can be written to the list. The shell's redirection
// creates the list even where nothing can be written into it (a full disk):
// the listing is then empty or cut at a full block, and would read as "no
// files" or as too few. A byte that does not fit tells the two apart. The
// list is given back its size afterwards.
bool list_takes_more(const std::string& list) {
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(list, error);
    {
        std::ofstream out(list, std::ios::app | std::ios::binary);
        out << '\n';
        out.flush();
        if (!out) return false;
    }
    if (!error) std::filesystem::resize_file(list, size, error);
    // A size that cannot be given back leaves an empty last line, which
    // every reader of the list passes over.
    return true;
}

}  // namespace

std::string listing_command(const AppContext& p, const std::string& pattern) {
    return (windows_os(p.set.init) ? "DIR /B " : "ls -1d -- ") + pattern + " > FILELIST.TXT";
}

void list_into_filelist(const AppContext& p, const std::string& pattern) {
    const std::string list = "FILELIST.TXT";
    const std::string command = listing_command(p, pattern);
    std::error_code error;
    std::filesystem::remove(list, error);
    if (error) stop_file_error(list, "cannot be removed before a new listing (" + error.message() + ")");
    p.con.flush();
    p.shell.run(command);
    std::filesystem::file_status status = std::filesystem::status(list, error);
    if (!std::filesystem::exists(status) || std::filesystem::is_directory(status))
        stop_file_error(list, "was not written by the listing command: " + command);
    if (!list_takes_more(list)) stop_unwritable(list);
    if (!std::filesystem::is_regular_file(status)) stop_file_error(list, "is not a regular file");
    std::ifstream in(list);
    if (!in) stop_unreadable(list);
    // A folder whose name fits is not an input file.
    std::vector<std::string> kept;
    std::string line;
    bool dropped = false;
    while (read_line(in, line)) {
        std::string name = trimmed(line);
        if (!name.empty() && std::filesystem::is_directory(name, error)) dropped = true;
        else kept.push_back(line);
    }
    in.close();
    if (!dropped) return;
    std::ofstream out(list, std::ios::trunc);
    for (const auto& name : kept) out << name << '\n';
    out.close();
    if (!out) stop_file_error(list, "could not be written (disk full or I/O error)");
}

bool make_filelist(const AppContext& p, const std::string& type) {
    std::string kind = trim_right(pad_to(type, 3));
    if (!shell_safe_name(kind)) {
        oops(p, " FILE NAME MAY HOLD ONLY LETTERS, DIGITS AND ._-*");
        return false;
    }
    list_into_filelist(p, "*." + kind);
    return true;
}

std::vector<std::string> read_filelist(std::size_t limit) {
    std::ifstream list = open_existing("FILELIST.TXT");
    std::vector<std::string> names;
    std::string line;
    while (names.size() < limit && read_line(list, line)) {
        std::string name = trimmed(line);
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

PickOutcome pick_infile(const AppContext& p, const std::string& type) {
    std::string kind = type == "LOC" || type == "BIG" ? type : "DEG";
    make_filelist(p, kind);
    // Read afresh at every call, so that no name of an earlier listing is
    // offered; names are kept whole, as the file must be opened by them.
    std::vector<std::string> names = read_filelist(kMaxNames);
    if (names.empty()) {
        oops(p, " No such files exist in this directory!");
        return {PickResult::NoFiles, ""};
    }
    return pick_from_pages(p, names, PagePrompts{});
}

PickOutcome pick_from_pages(const AppContext& p, const std::vector<std::string>& names, const PagePrompts& prompts) {
    int count = static_cast<int>(names.size());
    int pages = (count + kPerPage - 1) / kPerPage;
    int page = 1;
    for (;;) {
        show_page(p, names, page, pages, prompts);
        std::string answer = readkb(p, 2);
        if (answer == "N " || answer == "P " || answer == "Q ") {
            if (answer[0] == 'Q') return {PickResult::MainMenu, ""};
            // Next on the last page and previous on the first keep the page.
            if (answer[0] == 'N' && page < pages) ++page;
            if (answer[0] == 'P' && page > 1) --page;
            continue;
        }
        // Only a number shown on this page picks; anything else shows the
        // page again.
        auto number = char2int(answer, 2);
        if (number && *number > (page - 1) * kPerPage && *number <= std::min(page * kPerPage, count))
            return {PickResult::Picked, names[static_cast<std::size_t>(*number - 1)]};
    }
}

}  // namespace tolv7
