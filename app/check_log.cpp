#include "app/check_log.hpp"

#include "app/program_stop.hpp"

namespace tolv7 {

CheckLog::PerCall CheckLog::begin_call() {
    call_logged_ = bytes_ < per_call_limit;
    if (call_logged_) return PerCall::Write;
    if (per_call_stopped_) return PerCall::LeaveOut;
    per_call_stopped_ = true;
    return PerCall::LeaveOutFirst;
}

void CheckLog::line(const std::string& text) {
    if (failed_) return;
    bytes_ += text.size() + 1;
    if (!file_.is_open()) {
        pending_.push_back(text);
        return;
    }
    // Unformatted writes: the same bytes without a sentry for each part.
    file_.write(text.data(), static_cast<std::streamsize>(text.size()));
    file_.put('\n');
    check();
}

void CheckLog::open(const std::string& path) {
    if (file_.is_open()) file_.close();
    path_ = path;
    failed_ = false;
    per_call_stopped_ = false;
    call_logged_ = true;
    if (pipe_named(path)) stop_unwritable(path);  // its open would wait for a reader
    file_.open(path, std::ios::out | std::ios::trunc);
    if (!file_) stop_unwritable(path);
    bytes_ = 0;
    for (const auto& text : pending_) {
        file_ << text << '\n';
        bytes_ += text.size() + 1;
    }
    pending_.clear();
    check();
}

void CheckLog::flush() {
    if (failed_ || !file_.is_open()) return;
    file_.flush();
    check();
}

void CheckLog::check() {
    if (file_) return;
    failed_ = true;
    check_written(file_, path_);
}

}  // namespace tolv7
