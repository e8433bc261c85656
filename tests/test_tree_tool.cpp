// The data tree tool's command line, run as a user runs it, and the viewer
// examples of the help file it writes and of the README.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/console_routines.hpp"
#include "app/text_lines.hpp"
#include "support/test_program.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::test {
namespace {

// Runs the built tree tool in `dir` with the arguments (already quoted for
// the shell); returns its exit status, its standard output and error.
int run_tree_tool(const fs::path& dir, const std::string& arguments, std::string* out, std::string* err) {
    TempDir scratch;
    const std::string tool = built_program(TOLV7_TREE_TOOL).string();
    const std::string out_file = (scratch.path() / "stdout.txt").string();
    const std::string err_file = (scratch.path() / "stderr.txt").string();
#ifdef _WIN32
    std::string command = "cd /d \"" + dir.string() + "\" && \"" + tool + "\" " + arguments + " > \"" + out_file +
                          "\" 2> \"" + err_file + "\"";
    int status = std::system(command.c_str());
#else
    std::string command = "cd '" + dir.string() + "' && '" + tool + "' " + arguments + " > '" + out_file + "' 2> '" +
                          err_file + "'";
    int raw = std::system(command.c_str());
    int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    *out = read_file(out_file);
    *err = read_file(err_file);
    return status;
}

bool empty_folder(const fs::path& dir) { return fs::directory_iterator(dir) == fs::directory_iterator(); }

const char kUsage[] = "usage: make_data_tree DIR [--os=LINUX] [--menus=NO!] [--constant-coefficients[=V]]\n";

TEST(TreeTool, HelpPrintsTheUsageAndWritesNothing) {
    for (const char* arguments : {"-h", "--help", "demo --help", "demo --cutoffs=zero -h"}) {
        SCOPED_TRACE(arguments);
        TempDir dir;
        std::string out, err;
        EXPECT_EQ(run_tree_tool(dir.path(), arguments, &out, &err), 0);
        EXPECT_EQ(out.rfind(kUsage, 0), 0u) << out;
        EXPECT_EQ(err, "");
        EXPECT_TRUE(empty_folder(dir.path()));
    }
}

// A folder name that begins with "-" is most likely a mistyped option: it
// is refused, and nothing is written.
TEST(TreeTool, FolderNameBeginningWithADashOrAnUnknownOptionIsRefused) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c : {Case{"-x", "make_data_tree: the folder name \"-x\" begins with \"-\"; give an option after "
                                     "DIR, or name such a folder ./-x\n"},
                          Case{"--cutoffs=zero demo", "make_data_tree: the folder name \"--cutoffs=zero\" begins "
                                                      "with \"-\"; give an option after DIR, or name such a folder "
                                                      "./--cutoffs=zero\n"},
                          Case{"demo --cutoffs=round", "make_data_tree: unknown option --cutoffs=round\n"},
                          Case{"", "make_data_tree: no folder given\n"}}) {
        SCOPED_TRACE(c.arguments);
        TempDir dir;
        std::string out, err;
        EXPECT_EQ(run_tree_tool(dir.path(), c.arguments, &out, &err), 2);
        EXPECT_EQ(err.rfind(c.message, 0), 0u) << err;
        EXPECT_EQ(out, "");
        EXPECT_TRUE(empty_folder(dir.path()));
    }
}

// A tree already in the folder holds what its user changed or added: the
// tool writes over none of its files unless told to, and then rewrites all.
TEST(TreeTool, NeverWritesOverATreeUnlessForced) {
    TempDir dir;
    std::string out, err;
    ASSERT_EQ(run_tree_tool(dir.path(), "tree", &out, &err), 0) << err;
    std::vector<fs::path> written;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path() / "tree"))
        if (entry.is_regular_file()) written.push_back(fs::relative(entry.path(), dir.path() / "tree"));
    std::vector<fs::path> listed = tree::tree_files();
    std::sort(written.begin(), written.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(written, listed);  // the refusal knows every file the tool writes

    const fs::path user_file = dir.path() / "tree/AIRPORTS/NEWPORTS.DAT";
    const std::string tools_file = read_file(user_file);
    const std::string with_airport = "MY OWN FIELD\n" + tools_file;
    write_file(user_file, with_airport);
    EXPECT_EQ(run_tree_tool(dir.path(), "tree --cutoffs=zero", &out, &err), 2);
    EXPECT_EQ(err, "make_data_tree: tree already holds files of a data tree (TOLV.INI, AIRPORTS/NEWPORTS.DAT, "
                   "AIRPORTS/CODES and " + std::to_string(listed.size() - 3) + " more):\nwriting over them would lose "
                   "what was changed or added there (user airports,\npotentials, settings). Nothing was written; "
                   "give --force to write the tree anyway.\n");
    EXPECT_EQ(read_file(user_file), with_airport);
    EXPECT_EQ(run_tree_tool(dir.path(), "tree --force", &out, &err), 0) << err;
    EXPECT_EQ(read_file(user_file), tools_file);

    // Files of no tree are no reason to refuse; one file of a tree is.
    const std::pair<const char*, int> cases[] = {{"DEFAULT.INP", 0}, {"HELP.TXT", 2}};
    for (const auto& [file, status] : cases) {
        SCOPED_TRACE(file);
        TempDir other;
        write_file(other.path() / "tree" / file, "mine\n");
        EXPECT_EQ(run_tree_tool(other.path(), "tree", &out, &err), status) << err;
        EXPECT_EQ(read_file(other.path() / "tree" / file), "mine\n");
        EXPECT_EQ(fs::exists(other.path() / "tree/TOLV.INI"), status == 0);
        if (status == 2) {
            EXPECT_EQ(err.rfind("make_data_tree: tree already holds files of a data tree (HELP.TXT):\n", 0), 0u) << err;
        }
    }
}

TEST(TreeTool, FolderNamedWithItsPathIsWritten) {
    TempDir dir;
    std::string out, err;
    EXPECT_EQ(run_tree_tool(dir.path(), "./-x --constant-coefficients", &out, &err), 0) << err;
    EXPECT_TRUE(fs::exists(dir.path() / "-x" / "TOLV.INI"));
}

// Every "VIEWER = value" example of a text, as it is written there: a word,
// or a text in quotes with its quotes.
std::vector<std::string> viewer_examples(const std::string& text) {
    std::vector<std::string> values;
    const std::string blanks = " \n";
    for (std::size_t at = text.find("VIEWER"); at != std::string::npos; at = text.find("VIEWER", at + 1)) {
        std::size_t eq = text.find_first_not_of(blanks, at + 6);
        if (eq == std::string::npos || text[eq] != '=') continue;
        std::size_t first = text.find_first_not_of(blanks, eq + 1);
        if (first == std::string::npos) continue;
        std::size_t end = text[first] == '\'' ? text.find('\'', first + 1) + 1 : text.find_first_of(" \n,.`", first);
        values.push_back(text.substr(first, end - first));
    }
    return values;
}

// The viewer is read from TOLV.INI as one word of 12 characters: each
// example given to users must come through whole.
TEST(TreeHelp, ViewerExamplesFitTheTwelveCharactersRead) {
    TempDir dir;
    ScopedCwd cwd(dir.path());
    tree::write_help(dir.path(), {});
    const fs::path readme = TOLV7_README;
    for (const fs::path& file : {dir.path() / "HELP.TXT", readme}) {
        std::vector<std::string> examples = viewer_examples(read_file(file));
        EXPECT_GE(examples.size(), 3u) << file;
        for (const std::string& example : examples) {
            SCOPED_TRACE(file.string() + ": " + example);
            write_file("TOLV.INI", "VIEWER    = " + example + "\nEND\n");
            TestProgram tp;
            tp->set.init.os = "LINUX";
            std::string viewer = example.front() == '\'' ? example.substr(1, example.size() - 2) : example;
            EXPECT_EQ(trim_right(viewer_command(*tp, "F").substr(0, 12)), viewer);
        }
    }
}

}  // namespace
}  // namespace tolv7::test
