#pragma once
// The check log DIAGNOSE/TOLV7CHK.DAT. Lines written before the log is open
// (the first configuration reading) are kept and written once it opens.
#include <fstream>
#include <string>
#include <vector>

namespace tolv7 {

class CheckLog {
public:
    void line(const std::string& text);
    // Creates or writes over the log; a failure stops the program (status 2).
    void open(const std::string& path);
    bool is_open() const { return file_.is_open(); }
    void flush();

private:
    std::ofstream file_;
    std::vector<std::string> pending_;
};

}  // namespace tolv7
