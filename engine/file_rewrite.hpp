#pragma once
// Rewrites a file from its beginning with new content. A file that already
// exists is written over in place by one positioned write and then cut to
// the new length, so files rewritten at every dose computation with contents
// of about the same size cost few system calls and no block freeing and
// allocation each time.
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tolv7 {

// False when the file can be neither opened nor created, or not written.
bool rewrite_file(const std::string& path, const std::string& content);
// The same with the content given as consecutive parts.
bool rewrite_file(const std::string& path, std::initializer_list<std::string_view> parts);

// A file whose lines are gathered in memory while it is open and written
// from its beginning (rewrite_file) at flush and close.
class RewrittenFile {
public:
    void open(const std::filesystem::path& path) {
        path_ = path.string();
        text_.clear();
        open_ = true;
    }
    bool is_open() const { return open_; }
    RewrittenFile& operator<<(const std::string& text) {
        text_ += text;
        return *this;
    }
    RewrittenFile& operator<<(const char* text) {
        text_ += text;
        return *this;
    }
    RewrittenFile& operator<<(char c) {
        text_ += c;
        return *this;
    }
    // False when the file could not be written.
    bool flush() { return !open_ || rewrite_file(path_, text_); }
    bool close() {
        bool ok = flush();
        open_ = false;
        return ok;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string text_;
    bool open_ = false;
};

}  // namespace tolv7
