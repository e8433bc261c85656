#pragma once
// The check log DIAGNOSE/TOLV7CHK.DAT. Lines written before the log is open
// (the first configuration reading) are kept and written once it opens.
#include <fstream>
#include <string>
#include <vector>

namespace tolv7 {

class CheckLog {
public:
    // A write that fails (full disk, I/O error) stops the program (status 2)
    // once; later lines are dropped, so that the stop is not repeated on the
    // way out.
    void line(const std::string& text);
    // Creates or writes over the log; a failure stops the program (status 2).
    void open(const std::string& path);
    bool is_open() const { return file_.is_open(); }
    // Flushes; a failed write stops the program (status 2).
    void flush();

private:
    void check();
    std::ofstream file_;
    std::string path_;
    bool failed_ = false;
    std::vector<std::string> pending_;
};

}  // namespace tolv7
