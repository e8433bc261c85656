#pragma once
// What the menus keep between visits while the menu loop runs.
#include <string>

namespace tolv7 {

struct MenuState {
    // The location list last picked for editing (empty until the first pick).
    std::string location_file;
};

}  // namespace tolv7
