#include "tools/shared_data.hpp"

#include <stdexcept>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tolv7::tree {

fs::path running_program() {
#ifdef _WIN32
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) throw std::runtime_error("cannot find the running program's path");
        if (length < buffer.size()) return fs::path(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
#else
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) throw std::runtime_error("cannot find the running program's path: " + ec.message());
    return self;
#endif
}

fs::path shared_data_folder() { return (running_program().parent_path() / ".." / "share" / "tolv7").lexically_normal(); }

}  // namespace tolv7::tree
