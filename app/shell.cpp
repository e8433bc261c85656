#include "app/shell.hpp"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tolv7 {

void SystemShell::run(const std::string& command) {
    std::cout.flush();
    std::fflush(nullptr);
    int ignored = std::system(command.c_str());
    (void)ignored;
}

bool shell_safe_name(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                  c == '.' || c == '_' || c == '-' || c == '*';
        if (!ok) return false;
    }
    return true;
}

std::string shell_quote(const std::string& name, bool windows) {
    if (windows) return "\"" + name + "\"";
    std::string out = "'";
    for (char c : name) {
        if (c == '\'') out += "'\\''";
        else out.push_back(c);
    }
    return out + "'";
}

}  // namespace tolv7
