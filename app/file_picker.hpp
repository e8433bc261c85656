#pragma once
// Input files of one type, listed by the shell into FILELIST.TXT and shown
// 16 to a page for the user to pick one.
#include <string>
#include <vector>

namespace tolv7 {

struct AppContext;

enum class PickResult {
    Picked,    // `name` holds the chosen file
    NoFiles,   // nothing of the type exists; the caller returns to its menu
    MainMenu,  // the user quit: the menu loop shows the main menu
};

struct PickOutcome {
    PickResult result = PickResult::NoFiles;
    std::string name;
};

// The one command that lists the names matching `pattern` into
// FILELIST.TXT: "DIR /B PATTERN > FILELIST.TXT" under a Windows OS setting,
// else "ls -1d -- PATTERN > FILELIST.TXT" (-d: a folder is listed by its own
// name; --: a name beginning with "-" is a name, not options of ls).
std::string listing_command(const AppContext& p, const std::string& pattern);

// Runs the listing command of `pattern`. The old list is removed first, so a
// listing that fails never leaves a stale one; a list that cannot be
// removed, that the command did not write, or into which nothing more can
// be written (a full disk, which would cut the listing short) stops the
// program (status 2).
// Lines that name a folder are dropped from the list.
void list_into_filelist(const AppContext& p, const std::string& pattern);

// Lists the files *.TYPE into FILELIST.TXT through the shell. A type that
// cannot safely go into a command gets a message instead; false then.
bool make_filelist(const AppContext& p, const std::string& type);

// The names in FILELIST.TXT in listing order, at most `limit`: each line,
// blanks around it removed, is one name; empty lines are passed over.
std::vector<std::string> read_filelist(std::size_t limit);

// How a picker offers its pages: the blanks before the prompt and the texts
// that offer the next and the previous page.
struct PagePrompts {
    int indent = 5;
    std::string next = "next page <N,n>";
    std::string previous = "preivous page <P,p>";
};

// Shows the names 16 to a page and reads answers (readkb of 2 characters)
// until a number shown on the current page (Picked) or Q (MainMenu). N on the
// last page, P on the first and anything else show the page again.
PickOutcome pick_from_pages(const AppContext& p, const std::vector<std::string>& names, const PagePrompts& prompts);

// The picker for "LOC", "BIG" or (any other type) "DEG" files.
PickOutcome pick_infile(const AppContext& p, const std::string& type);

}  // namespace tolv7
