#include "app/check_log.hpp"

#include "app/program_stop.hpp"

namespace tolv7 {

void CheckLog::line(const std::string& text) {
    if (file_.is_open()) {
        // Unformatted writes: the same bytes without a sentry for each part.
        file_.write(text.data(), static_cast<std::streamsize>(text.size()));
        file_.put('\n');
    } else {
        pending_.push_back(text);
    }
}

void CheckLog::open(const std::string& path) {
    if (file_.is_open()) file_.close();
    file_.open(path, std::ios::out | std::ios::trunc);
    if (!file_) stop_file_error(path, "cannot be created (does its folder exist?)");
    for (const auto& text : pending_) file_ << text << '\n';
    pending_.clear();
}

void CheckLog::flush() {
    if (file_.is_open()) file_.flush();
}

}  // namespace tolv7
