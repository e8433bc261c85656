#pragma once
// Notices whether a file changed since it was last read: a file that the
// user may edit while the program runs is read again only when its size or
// modification time differs from the last reading.
#include <cstdint>
#include <string>

namespace tolv7 {

class FileStamp {
public:
    // Modification time in seconds and nanoseconds.
    struct Time {
        long long seconds = 0;
        long long nanoseconds = 0;
        bool operator==(const Time&) const = default;
    };

    // True when the file differs from the stamp (or was never stamped); the
    // stamp is not updated.
    bool changed(const std::string& path) const;
    // Records the file's present size and modification time.
    void take(const std::string& path);
    void clear() { valid_ = false; }

private:
    bool valid_ = false;
    std::uintmax_t size_ = 0;
    Time time_{};
};

}  // namespace tolv7
