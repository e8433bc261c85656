#pragma once
// What every fuzz harness shares: one small data tree made at the first
// input, a work folder that each input starts from, a program context whose
// console reads the input and whose shell only records, and the shower
// library parsed once per process.
//
// The work folder is a copy of the tree (the shower files and cutoff grids
// linked, not copied) and is the working directory from the first call on.
// Between inputs only what an input can change is put back: files that a
// run wrote are removed, and the files a harness fuzzes are restored.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "program/program.hpp"

namespace tolv7::fuzz {

namespace fs = std::filesystem;

// One input's stay in the work folder. Makes the tree and the work folder
// on the first use, then removes every file that the last input left
// behind, restores the named files (paths relative to the tree) and enters
// the work folder; the fuzzer's own working directory comes back at the end,
// so that its corpus and artifact paths keep their meaning.
class WorkFolder {
public:
    explicit WorkFolder(std::initializer_list<std::string_view> restore = {});
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

private:
    fs::path previous_;
};

// The tree's own copy of a file (read-only; for harnesses that splice).
std::string tree_file(std::string_view name);

// Writes a file of the work folder, replacing a link to the tree.
void write_work_file(std::string_view name, std::string_view bytes);

// The fuzz input as text.
inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Records every command and never runs one. A listing command
// ("ls -1d -- PATTERN > FILELIST.TXT" or "DIR /B PATTERN > FILELIST.TXT") is
// answered by writing the names of the working folder that match the
// pattern, or `listing` when it is set.
class ListingShell : public Shell {
public:
    void run(const std::string& command) override;
    std::vector<std::string> commands;
    std::optional<std::string> listing;
};

// A program whose console reads `keyboard` and whose screen is thrown away
// (written to stderr, with each stop's message, when TOLV7_FUZZ_SCREEN is set).
// Shower tables lent by start_up_lent go back to the process's store when
// the object ends.
class FuzzProgram {
public:
    explicit FuzzProgram(std::string_view keyboard = "");
    ~FuzzProgram();
    FuzzProgram(const FuzzProgram&) = delete;
    FuzzProgram& operator=(const FuzzProgram&) = delete;
    Program& operator*() { return *program_; }
    Program* operator->() { return program_.get(); }

    ListingShell shell;
    CheckLog log;

private:
    std::istringstream in_;
    std::ostream out_;
    Console console_;
    std::unique_ptr<Program> program_;
};

// Asks that the shower library be parsed ahead of the first input, with
// the tree and the index files that every harness gets then (from
// LLVMFuzzerInitialize), so that no input is charged for them.
bool request_shower_preload();

// The whole start-up, with the airport index files built anew (`Index::Build`)
// or kept as made from the tree's airport files (`Index::Keep`, for inputs
// that do not change them).
enum class Index { Build, Keep };

// The whole start-up of the program, except that the shower library is lent
// from the process's store (parsed by a real start-up at the first call).
void start_up_lent(FuzzProgram& fp, Index index = Index::Keep);

// Runs f; a program stop is a normal end of an input.
void run_to_stop(const std::function<void()>& f);

// The lines of the input followed by the tree file's lines after as many
// lines: a short input edits the head of a long, otherwise valid file.
std::string splice_head(std::string_view input, std::string_view tree_text);

}  // namespace tolv7::fuzz
