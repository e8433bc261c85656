// Keyboard answers of the menus, from the main menu on; every command the
// menus give the shell is only recorded.
#include "keyboard_inputs.hpp"
#include "menus/main_menu.hpp"
#include "shower_preload.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::dialogue_after_start_up(tolv7::fuzz::as_text(data, size), tolv7::menu_main);
    return 0;
}
