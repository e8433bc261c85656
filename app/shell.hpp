#pragma once
// The shell seam: runs one command string and waits for it to end; its result
// is ignored. Tests substitute a recorder.
#include <string>

namespace tolv7 {

class Shell {
public:
    virtual ~Shell() = default;
    virtual void run(const std::string& command) = 0;
};

class SystemShell : public Shell {
public:
    void run(const std::string& command) override;
};

// A file name may go into a shell command only when it is made of letters,
// digits and the characters . _ - *.
bool shell_safe_name(const std::string& name);

// The name quoted for the shell of the OS setting (Windows or POSIX).
std::string shell_quote(const std::string& name, bool windows);

}  // namespace tolv7
