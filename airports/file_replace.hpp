#pragma once
// Replacing a user's file by new lines so that a failed write loses nothing:
// the lines go to a temporary file beside the file, which is renamed over it
// only once it is wholly on the disk. A name that is a link stays a link: the
// file it leads to is the one replaced, and the temporary file is written
// beside that file (a rename cannot cross from one disk to another). The new
// file keeps the old one's permission bits; a read-only file is refused.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tolv7 {

// Why a file was not replaced: the file as the caller named it, the cause
// in words ("could not be written (No space left on device)") for standard
// error and the check log, and the cause in short capitals for a console
// line after the file's bare name ("IS READ-ONLY").
struct FileFailure {
    std::string file;
    std::string cause;
    std::string brief;
    std::string text() const { return file + ": " + cause; }
};

// A file that may be replaced: the name the caller gave and the file it
// leads to (the same name, or the end of the link), with its permission bits.
struct ReplaceTarget {
    std::string named;
    std::filesystem::path file;
    std::filesystem::perms perms = std::filesystem::perms::none;
};

// Fills `target` for the name when the file may be replaced: it exists, it
// is a regular file (also at the end of a link) and it may be written.
// Otherwise the failure says why; nothing has been touched.
std::optional<FileFailure> find_replace_target(const std::string& named, ReplaceTarget& target);

// Writes the lines, each ended by a line end, to `temp_name` in the folder of
// the target file and renames it over the target file. nullopt when done; on
// a failure the target file is as it was and no temporary file is left.
std::optional<FileFailure> replace_lines(const ReplaceTarget& target, const std::string& temp_name,
                                         const std::vector<std::string>& lines);

}  // namespace tolv7
