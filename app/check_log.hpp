#pragma once
// The check log DIAGNOSE/TOLV7CHK.DAT. Lines written before the log is open
// (the first configuration reading) are kept and written once it opens.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tolv7 {

class CheckLog {
public:
    // The lines that a computation writes at every call (the dose engine's
    // start, times and end) stop once the log holds this many bytes, so that
    // a long batch run cannot fill the disk with them; every other line is
    // still written. Tests lower it.
    static constexpr std::uintmax_t kPerCallLimit = 100'000'000;
    std::uintmax_t per_call_limit = kPerCallLimit;

    // What the runs are computing (a flight, a place line), as the line
    // that tells where the per-call lines stop names it; empty outside a run.
    std::string current_item;

    // Whether a computation that begins now writes its per-call lines.
    enum class PerCall {
        Write,          // the log holds fewer than per_call_limit bytes
        LeaveOutFirst,  // the first computation past the limit: it writes the one line that says so
        LeaveOut
    };
    // Called as a computation begins; its per-call lines then go through
    // call_line until the next one begins.
    PerCall begin_call();
    // The bytes of the lines given since the log was opened, a line end
    // counted as one.
    std::uintmax_t bytes() const { return bytes_; }
    // A per-call line of the computation under way: written unless it began
    // past the limit.
    void call_line(const std::string& text) {
        if (call_logged_) line(text);
    }

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
    std::uintmax_t bytes_ = 0;  // the lines given since the log was opened, with their line ends
    bool per_call_stopped_ = false;
    bool call_logged_ = true;
};

}  // namespace tolv7
