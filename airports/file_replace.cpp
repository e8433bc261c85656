#include "airports/file_replace.hpp"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tolv7 {

namespace {

namespace fs = std::filesystem;

// "is read-only", or for a link "is a link to X, which is read-only".
std::string about(const ReplaceTarget& t, bool link, const std::string& what) {
    return link ? "is a link to " + t.file.string() + ", which " + what : what;
}

// The short causes of a failed write or rename.
constexpr const char* kNoTemporaryFile = "CANNOT GET ITS TEMPORARY FILE";
constexpr const char* kNotWrittenWhole = "WAS NOT WRITTEN WHOLE (DISK FULL OR I/O ERROR)";
constexpr const char* kNotRenamed = "COULD NOT BE REPLACED (RENAME FAILED)";

constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

#ifndef _WIN32
std::string error_text(int error) { return std::generic_category().message(error); }

// Writes the whole text to the open file, continued where the system writes
// less. 0 when done, else the error.
int write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return n < 0 ? errno : EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The rename is kept across a power cut only once the folder is on the disk;
// a folder that cannot be synchronised still holds the new file.
void sync_folder(const fs::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

}  // namespace

std::optional<FileFailure> find_replace_target(const std::string& named, ReplaceTarget& target) {
    std::error_code ec;
    target = ReplaceTarget{named, fs::path(named), fs::perms::none};
    auto failure = [&](const std::string& cause, const char* brief) { return FileFailure{named, cause, brief}; };
    const bool link = fs::is_symlink(fs::symlink_status(named, ec));
    if (link) {
        target.file = fs::canonical(named, ec);
        if (ec)
            return failure("is a link to " + fs::read_symlink(named, ec).string() + ", which does not exist",
                           "IS A LINK TO A FILE THAT DOES NOT EXIST");
    }
    fs::file_status status = fs::status(target.file, ec);
    if (!fs::exists(status)) return failure("does not exist", "DOES NOT EXIST");
    if (!fs::is_regular_file(status))
        return failure(about(target, link, "is not a regular file"), "IS NOT A REGULAR FILE");
    target.perms = status.permissions();
    // The bits are tested here because the superuser may write any file: the
    // rename would otherwise put a new file in the place of a read-only one.
    if ((target.perms & kAnyWrite) == fs::perms::none)
        return failure(about(target, link, "is read-only"), "IS READ-ONLY");
#ifndef _WIN32
    if (::access(target.file.c_str(), W_OK) != 0)
        return failure(about(target, link, "cannot be written (" + error_text(errno) + ")"), "CANNOT BE WRITTEN");
#endif
    return std::nullopt;
}

#ifdef _WIN32
// Windows keeps text files with its own line ends: the lines go through a
// text-mode stream.
std::optional<FileFailure> replace_lines(const ReplaceTarget& target, const std::string& temp_name,
                                         const std::vector<std::string>& lines) {
    const fs::path temp = target.file.parent_path() / temp_name;
    std::error_code ignored;
    auto failure = [&](const std::string& cause, const char* brief) {
        fs::remove(temp, ignored);
        return FileFailure{target.named, cause, brief};
    };
    if (fs::is_regular_file(fs::symlink_status(temp, ignored))) fs::remove(temp, ignored);  // left by a failed save
    {
        std::ofstream out(temp, std::ios::trunc);
        if (!out)
            return failure("could not be written: its temporary file " + temp.string() + " cannot be created",
                           kNoTemporaryFile);
        for (const auto& line : lines) out << line << '\n';
        out.close();
        if (!out) return failure("could not be written (disk full or I/O error)", kNotWrittenWhole);
    }
    fs::permissions(temp, target.perms, ignored);
    std::error_code ec;
    fs::rename(temp, target.file, ec);
    if (ec) return failure("could not be replaced by " + temp.string() + " (" + ec.message() + ")", kNotRenamed);
    return std::nullopt;
}
#else
std::optional<FileFailure> replace_lines(const ReplaceTarget& target, const std::string& temp_name,
                                         const std::vector<std::string>& lines) {
    const fs::path folder = target.file.parent_path();
    const fs::path temp = folder / temp_name;
    auto failure = [&](const std::string& cause, const char* brief) { return FileFailure{target.named, cause, brief}; };

    // A temporary file left by a save that was cut short goes first. The new
    // one is created afresh and never through a link, so that no other file
    // is written in its place.
    std::error_code ignored;
    auto left = fs::symlink_status(temp, ignored);
    if (fs::is_regular_file(left) || fs::is_symlink(left)) fs::remove(temp, ignored);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return failure("could not be written: its temporary file " + temp.string() + " cannot be created (" +
                           error_text(errno) + ")",
                       kNoTemporaryFile);

    std::string text;
    for (const auto& line : lines) (text += line) += '\n';
    int error = write_all(fd, text);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    if (error == 0 && ::fchmod(fd, static_cast<mode_t>(target.perms & fs::perms::mask)) != 0) error = errno;
    struct stat old {};
    // The owner and group stay where the system allows it (the superuser
    // saving another user's file); elsewhere the new file is the saver's.
    if (error == 0 && ::stat(target.file.c_str(), &old) == 0) {
        int kept = ::fchown(fd, old.st_uid, old.st_gid);
        (void)kept;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return failure("could not be written (" + error_text(error) + ")", kNotWrittenWhole);
    }
    if (::rename(temp.c_str(), target.file.c_str()) != 0) {
        error = errno;
        ::unlink(temp.c_str());
        return failure("could not be replaced by " + temp.string() + " (" + error_text(error) + ")", kNotRenamed);
    }
    sync_folder(folder);
    return std::nullopt;
}
#endif

}  // namespace tolv7
