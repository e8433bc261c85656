#include "app/file_stamp.hpp"

#ifdef _WIN32
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace tolv7 {

namespace {

#ifdef _WIN32
// Size and modification time (in the file system's own ticks).
bool stat_file(const std::string& path, std::uintmax_t& size, FileStamp::Time& time) {
    std::error_code error;
    size = std::filesystem::file_size(path, error);
    if (error) return false;
    auto written = std::filesystem::last_write_time(path, error);
    if (error) return false;
    time = {static_cast<long long>(written.time_since_epoch().count()), 0};
    return true;
}
#else
// Size and modification time in one call (one stat per check).
bool stat_file(const std::string& path, std::uintmax_t& size, FileStamp::Time& time) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    size = static_cast<std::uintmax_t>(st.st_size);
    time = {static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
    return true;
}
#endif

}  // namespace

bool FileStamp::changed(const std::string& path) const {
    if (!valid_) return true;
    std::uintmax_t size = 0;
    Time time{};
    if (!stat_file(path, size, time)) return true;
    return size != size_ || time != time_;
}

void FileStamp::take(const std::string& path) { valid_ = stat_file(path, size_, time_); }

}  // namespace tolv7
