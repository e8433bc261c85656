#include "app/file_stamp.hpp"

#include <sys/stat.h>

namespace tolv7 {

namespace {

// Size and modification time in one call (one stat per check).
bool stat_file(const std::string& path, std::uintmax_t& size, FileStamp::Time& time) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    size = static_cast<std::uintmax_t>(st.st_size);
    time = {static_cast<long long>(st.st_mtim.tv_sec), static_cast<long long>(st.st_mtim.tv_nsec)};
    return true;
}

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
