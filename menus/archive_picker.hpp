#pragma once
// Earlier result archives of one type (OUT, SUM, ANS), listed by the shell,
// shown 16 to a page, the chosen one opened in the viewer.
#include <string>

#include "app/file_picker.hpp"

namespace tolv7 {

struct RunContext;

// At most this many archives are offered, in listing order.
inline constexpr std::size_t kMaxArchives = 80;

// Picked: the file was shown; NoFiles: the message was given; MainMenu: the
// user quit, and the main menu follows whatever the caller is.
PickResult pickfromlist(const RunContext& p, const std::string& type);

}  // namespace tolv7
