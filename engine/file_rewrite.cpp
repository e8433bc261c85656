#include "engine/file_rewrite.hpp"

#include "app/program_stop.hpp"

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <vector>
#endif

namespace tolv7 {

#ifdef _WIN32
// Windows keeps text files with its own line ends: the content goes through
// a text-mode stream that is written over.
bool rewrite_file(const std::string& path, std::initializer_list<std::string_view> parts) {
    if (pipe_named(path)) return false;
    std::ofstream out(path, std::ios::trunc);
    if (!out) return false;
    for (std::string_view part : parts) out.write(part.data(), static_cast<std::streamsize>(part.size()));
    out.close();
    return !out.fail();
}
#else
bool rewrite_file(const std::string& path, std::initializer_list<std::string_view> parts) {
    if (pipe_named(path)) return false;  // its open would wait for a reader
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    std::vector<iovec> pieces;
    std::size_t length = 0;
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        pieces.push_back({const_cast<char*>(part.data()), part.size()});
        length += part.size();
    }
    // One positioned write of the whole content (continued if the system
    // writes less), then the file cut to its length.
    std::size_t done = 0;
    std::size_t first = 0;
    bool ok = true;
    while (ok && done < length) {
        ssize_t n = ::pwritev(fd, pieces.data() + first, static_cast<int>(pieces.size() - first),
                              static_cast<off_t>(done));
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
        auto left = static_cast<std::size_t>(n);
        while (first < pieces.size() && left >= pieces[first].iov_len) left -= pieces[first++].iov_len;
        if (first < pieces.size()) {
            pieces[first].iov_base = static_cast<char*>(pieces[first].iov_base) + left;
            pieces[first].iov_len -= left;
        }
    }
    ok = ok && ::ftruncate(fd, static_cast<off_t>(length)) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}
#endif

bool rewrite_file(const std::string& path, const std::string& content) {
    return rewrite_file(path, {std::string_view(content)});
}

}  // namespace tolv7
