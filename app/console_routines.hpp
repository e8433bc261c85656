#pragma once
// The routines through which menus and dialogues talk to the user: banner,
// clearing, keyboard answers, messages, the fatal exit and the file viewer.
#include <optional>
#include <string>

#include "app/program_stop.hpp"

namespace tolv7 {

struct AppContext;

// The two banner lines, 64 characters each.
const std::string& banner_line1();
const std::string& banner_line2();

void menuheader(const AppContext& p);
void cls(const AppContext& p);

// One free-form answer of n characters, upper-cased. With n > 1 the quoting
// hint comes first; empty lines are passed over.
std::string readkb(const AppContext& p, int n);

// One free-form item typed at the keyboard (empty lines are passed over; a
// null item gives an empty text), without hint or upper-casing.
std::string read_kb_item(const AppContext& p);
// One typed number; nullopt when the item is not a number.
std::optional<long long> read_kb_integer(const AppContext& p);
std::optional<double> read_kb_real(const AppContext& p);

// The first n characters of the source with a-z turned into A-Z.
std::string lc2uc(const std::string& source, int n);

// A non-fatal message: console, a check-log copy when the diagnostic switch
// is YES, and a pause when MENUS is YES.
void oops(const AppContext& p, const std::string& message);

// "Press a character then press <ENTER> to continue", and the answer.
void pause_for_key(const AppContext& p);

// A text longer than a message, as lines of 10 blanks and at most 60
// columns, broken between words.
void show_paragraph(const AppContext& p, const std::string& text);

// The fatal exit: message on the console and in the check log, then
// "Fatal error, aborting program!" and a stop with status 1. The stop's own
// message (standard error) is the console message without its blanks.
[[noreturn]] void epitath(const AppContext& p, const std::string& message);
// The same console and check-log texts, with a stop of `status` whose own
// message is `detail`: the file, line, value and limit behind the stop.
[[noreturn]] void epitath(const AppContext& p, const std::string& message, const std::string& detail,
                          int status = kExitFatal);

// Shows a file in the viewer named in TOLV.INI (or NOTEPAD) and waits. The
// name is quoted for the shell; on a POSIX system a name beginning with "-"
// goes as ./NAME, so that the viewer does not take it for its options.
void showpick(const AppContext& p, const std::string& file_name);
void showhelp(const AppContext& p);

// The viewer command that showpick would run for the file.
std::string viewer_command(const AppContext& p, const std::string& file_name);

// "          " and the text in `width` columns, as message and menu lines are written.
std::string indented(const std::string& text, int width);

// 10 blanks and the text in `width` columns, a shorter text right-aligned
// (messages and the pause are written so), a longer one cut.
std::string message_line(const std::string& text, int width);

}  // namespace tolv7
