#include "engine/file_rewrite.hpp"

#include <cstdio>
#include <filesystem>

namespace tolv7 {

bool rewrite_file(const std::string& path, const std::string& content) {
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (f == nullptr) f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), f) == content.size();
    ok = std::fflush(f) == 0 && ok;
    std::fseek(f, 0, SEEK_END);
    long old_size = std::ftell(f);
    ok = std::fclose(f) == 0 && ok;
    if (ok && old_size > static_cast<long>(content.size())) {
        std::error_code ec;
        std::filesystem::resize_file(path, content.size(), ec);
        ok = !ec;
    }
    return ok;
}

}  // namespace tolv7
