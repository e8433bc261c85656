#include "support/menu_rig.hpp"

namespace tolv7::test {

MenuRig::MenuRig(const std::string& answers, const std::string& menus, const std::string& os) : tp(answers) {
    tp->set.init.menus = menus;
    tp->set.init.os = os;
    write_file("TOLV.INI", "MENUS     = " + menus + "\nOS        = " + os + "\nVIEWER    = vi\nEND\n");
    tp.shell.handler = [this](const std::string& command) {
        if (command.find("FILELIST.TXT") != std::string::npos) write_listing(listing);
        if (on_command) on_command(command);
    };
}

int MenuRig::count(const std::string& text) const { return occurrences(tp.screen(), text); }

}  // namespace tolv7::test
