#include "engine/file_stamp.hpp"

namespace tolv7 {

namespace {
bool stat_file(const std::string& path, std::uintmax_t& size, std::filesystem::file_time_type& time) {
    std::error_code ec;
    size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    time = std::filesystem::last_write_time(path, ec);
    return !ec;
}
}  // namespace

bool FileStamp::changed(const std::string& path) const {
    if (!valid_) return true;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type time{};
    if (!stat_file(path, size, time)) return true;
    return size != size_ || time != time_;
}

void FileStamp::take(const std::string& path) {
    valid_ = stat_file(path, size_, time_);
}

}  // namespace tolv7
