#include "session.hpp"

#include <fnmatch.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>

#include "airports/index_files.hpp"
#include "app/program_stop.hpp"
#include "engine/forbush.hpp"
#include "engine/helio_potential.hpp"
#include "program/startup.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::fuzz {

namespace {

// The record length and capacity with which start-up builds the airport
// index files.
constexpr int kAirportRecordLength = 91;
constexpr int kAirportCapacity = 7000;

// A small tree: one coefficient everywhere and straight-line cutoff grids
// keep the numbers simple; the files keep their full layouts.
tree::TreeOptions small_tree() {
    tree::TreeOptions o;
    o.constant_coefficients = true;
    o.cutoffs = tree::CutoffShape::Linear;
    return o;
}

// Folders that no harness writes into: their files are linked, not copied.
bool linked_folder(const fs::path& relative) {
    auto top = relative.begin()->string();
    return top == "SHOWERS" || top == "CUTOFFS";
}

struct Session {
    fs::path root;                // the temporary folder of this process
    fs::path tree;                // the tree as the tool wrote it
    fs::path work;                // the work folder, the working directory
    std::set<fs::path> listing;   // every path of the tree, relative
    std::vector<double> ftdcc;    // the shower library, when not lent out
    std::vector<double> ftdccs;
    bool showers_loaded = false;

    Session() {
        std::string pattern = (fs::temp_directory_path() / "tolv7-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        root = pattern;
        tree = root / "tree";
        work = root / "work";
        tree::write_data_tree(tree, small_tree());
        build_index_files();
        for (const auto& entry : fs::recursive_directory_iterator(tree))
            listing.insert(fs::relative(entry.path(), tree));
        fs::create_directory(work);
        for (const auto& name : listing) put_back(name);
    }

    ~Session() {
        std::error_code ec;
        fs::current_path(fs::temp_directory_path(), ec);
        fs::remove_all(root, ec);
    }

    // Makes the work folder's entry as it was first laid out.
    void put_back(const fs::path& name) const {
        fs::path from = tree / name;
        fs::path to = work / name;
        std::error_code ec;
        if (fs::is_directory(from)) {
            fs::create_directories(to);
            return;
        }
        fs::remove(to, ec);
        if (linked_folder(name)) {
            fs::create_symlink(from, to);
            return;
        }
        // libFuzzer's timer signal can interrupt the copy's system call;
        // the copy is then made again from the start.
        for (int tries = 1;; ++tries) {
            fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
            if (!ec) return;
            if (ec != std::errc::interrupted || tries == 100) throw fs::filesystem_error("cannot put back", from, to, ec);
        }
    }

    // Removes every entry of the work folder that the tree does not have.
    void remove_extras() const {
        std::vector<fs::path> extra;
        for (auto it = fs::recursive_directory_iterator(work); it != fs::recursive_directory_iterator(); ++it) {
            fs::path name = fs::relative(it->path(), work);
            if (!listing.count(name)) {
                extra.push_back(it->path());
                if (it->is_directory() && !it->is_symlink()) it.disable_recursion_pending();
            }
        }
        for (const auto& path : extra) fs::remove_all(path);
    }

    // The airport index files, as start-up writes them from the tree.
    void build_index_files() const {
        fs::path back = fs::current_path();
        fs::current_path(tree);
        {
            FuzzProgram fp;
            run_to_stop([&] {
                open_program_files(*fp);
                make_ndx(*fp, kAirportRecordLength, kAirportCapacity);
            });
        }
        fs::current_path(back);
        for (const char* name : {"DEBUGGER.DAT", "DIAGNOSE/TOLV7CHK.DAT"}) fs::remove(tree / name);
    }

    // Parses the shower library once, by a real start-up in the tree folder.
    void load_showers() {
        fs::path back = fs::current_path();
        fs::current_path(tree);
        FuzzProgram fp;
        run_to_stop([&] { start_up(*fp); });
        fs::current_path(back);
        ftdcc = std::move(fp->engine.ftdcc);
        ftdccs = std::move(fp->engine.ftdccs);
        if (ftdcc.empty()) throw std::runtime_error("the tree's shower library does not load");
        showers_loaded = true;
    }
};

Session& session() {
    static Session s;
    return s;
}

bool& preload_requested() {
    static bool requested = false;
    return requested;
}

// The names in the working folder (or the folder the pattern names) that
// match a pattern, sorted, one a line.
std::string matching_names(const std::string& pattern) {
    std::size_t slash = pattern.find_last_of("/\\");
    std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash);
    std::string prefix = slash == std::string::npos ? "" : pattern.substr(0, slash + 1);
    std::string leaf = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        std::string name = entry.path().filename().string();
        if (fnmatch(leaf.c_str(), name.c_str(), FNM_PERIOD) == 0) names.push_back(prefix + name);
    }
    std::sort(names.begin(), names.end());
    std::string text;
    for (const auto& name : names) text += name + "\n";
    return text;
}

// The programs that hold the lent library, so that it goes back.
Program* borrower = nullptr;

}  // namespace

WorkFolder::WorkFolder(std::initializer_list<std::string_view> restore) : previous_(fs::current_path()) {
    Session& s = session();
    fs::current_path(s.work);
    s.remove_extras();
    for (auto name : restore) s.put_back(fs::path(name));
}

WorkFolder::~WorkFolder() {
    std::error_code ec;
    fs::current_path(previous_, ec);
}

std::string tree_file(std::string_view name) {
    std::ifstream in(session().tree / fs::path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_work_file(std::string_view name, std::string_view bytes) {
    fs::path path = session().work / fs::path(name);
    std::error_code ec;
    fs::remove(path, ec);  // never write through a link into the tree
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void ListingShell::run(const std::string& command) {
    commands.push_back(command);
    static const std::string kTarget = " > FILELIST.TXT";
    if (command.size() < kTarget.size() || command.compare(command.size() - kTarget.size(), kTarget.size(), kTarget))
        return;
    std::string pattern;
    for (const char* verb : {"ls -1d -- ", "DIR /B "})
        if (command.rfind(verb, 0) == 0)
            pattern = command.substr(std::string(verb).size(), command.size() - kTarget.size() - std::string(verb).size());
    std::string text;
    if (listing) {
        text = *listing;
    } else {
        // each word a name or a pattern, as the shell splits and expands them
        std::istringstream words(pattern);
        std::string word;
        while (words >> word) {
            std::erase(word, '\'');
            std::erase(word, '"');
            text += matching_names(word);
        }
    }
    std::ofstream("FILELIST.TXT", std::ios::binary) << text;
}

FuzzProgram::FuzzProgram(std::string_view keyboard)
    : in_(std::string(keyboard)), out_(std::getenv("TOLV7_FUZZ_SCREEN") ? std::cerr.rdbuf() : nullptr),
      console_(in_, out_),
      program_(std::make_unique<Program>(console_, shell, log)) {}

FuzzProgram::~FuzzProgram() {
    if (borrower != program_.get()) return;
    Session& s = session();
    s.ftdcc = std::move(program_->engine.ftdcc);
    s.ftdccs = std::move(program_->engine.ftdccs);
    borrower = nullptr;
}

bool request_shower_preload() { return preload_requested() = true; }

void start_up_lent(FuzzProgram& fp, Index index) {
    Session& s = session();
    if (!s.showers_loaded) s.load_showers();
    Program& p = *fp;
    open_program_files(p);
    if (index == Index::Build) make_ndx(p, kAirportRecordLength, kAirportCapacity);
    if (borrower) throw std::logic_error("the shower library is lent twice");
    p.engine.ftdcc = std::move(s.ftdcc);
    p.engine.ftdccs = std::move(s.ftdccs);
    borrower = &p;
    loadforbush(p);
    load_hp(p);
}

void run_to_stop(const std::function<void()>& f) {
    try {
        f();
    } catch (const ProgramStop& stop) {
        // a clean stop, as the program ends in main
        if (std::getenv("TOLV7_FUZZ_SCREEN")) std::cerr << "stop " << stop.status() << ": " << stop.what() << '\n';
    }
}

std::string splice_head(std::string_view input, std::string_view tree_text) {
    std::string text(input);
    std::size_t lines = static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n'));
    if (!text.empty() && text.back() != '\n') {
        text += '\n';
        ++lines;
    }
    std::size_t at = 0;
    for (std::size_t i = 0; i < lines && at != std::string_view::npos; ++i) {
        at = tree_text.find('\n', at);
        if (at != std::string_view::npos) ++at;
    }
    if (at != std::string_view::npos) text.append(tree_text.substr(at));
    return text;
}

}  // namespace tolv7::fuzz

// Before the first input: the tree, its index files and, when a harness
// asked for it, the shower library.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tolv7::fuzz::Session& s = tolv7::fuzz::session();
    if (tolv7::fuzz::preload_requested() && !s.showers_loaded) s.load_showers();
    return 0;
}
