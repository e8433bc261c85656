#include "menus/held_file_viewer.hpp"

#include "app/console_routines.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

void show_held_file(const RunContext& p, std::ifstream& handle, const std::string& shown, const std::string& held_path) {
    if (handle.is_open()) handle.close();
    showpick(p, shown);
    handle.clear();
    handle.open(held_path);
}

}  // namespace tolv7
