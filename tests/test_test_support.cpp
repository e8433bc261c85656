// The test support itself: the comparison with committed files counts every
// byte and says where the texts part; the shared data trees are the tool's
// trees and keep each test's writes in its own folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

#include "support/data_tree_fixture.hpp"
#include "support/golden_file.hpp"

namespace tolv7::test {
namespace {

std::string bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(GoldenComparison, NamesTheFirstDifferingLineAndWhatDiffers) {
    struct Case {
        const char* expected;
        const char* actual;
        const char* difference;  // nullptr: the same
    };
    const Case cases[] = {
        {"A\nB\n", "A\nB\n", nullptr},
        {"", "", nullptr},
        {"A\nB\n", "A\nB", "line 2: the final newline is missing (\"B\")"},
        {"A\nB", "A\nB\n", "line 2: a final newline that the expected text has not (\"B\\n\")"},
        {"A\nB\n", "A\r\nB\n", "line 1: the line end differs: got \"\\r\\n\", want \"\\n\" (\"A\")"},
        {"A\r\nB\r\n", "A\r\nB\n", "line 2: the line end differs: got \"\\n\", want \"\\r\\n\" (\"B\")"},
        {"A\nB\nC\n", "A\nX\nC\n", "line 2:\n  got  \"X\\n\"\n  want \"B\\n\""},
        {"A\n", "A\r", "line 1:\n  got  \"A\\r\"\n  want \"A\\n\""},
        {"A\n", "A\n\n", "line 2: the text goes on past the end, got \"\\n\""},
        {"A\nB\n", "A\n", "line 2: the text ends before it, want \"B\\n\""},
        {"A\n", "", "line 1: the text ends before it, want \"A\\n\""},
        {"T\tX\n", "T\x01X\n", "line 1:\n  got  \"T\\x01X\\n\"\n  want \"T\\tX\\n\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.actual)));
        auto difference = text_difference(c.expected, c.actual);
        if (c.difference == nullptr) EXPECT_FALSE(difference.has_value()) << difference.value_or("");
        else EXPECT_EQ(difference.value_or("<same>"), c.difference);
    }
}

// A committed file compares equal only to its own bytes; the Windows build
// alone reads CR LF as LF.
TEST(GoldenComparison, ACommittedFileMatchesOnlyItsOwnBytes) {
    if (updating_golden()) GTEST_SKIP() << "the texts below would be written as the committed file";
    const std::string name = "menus/main.txt";
    const std::string committed = bytes_of(golden_path(name));
    ASSERT_FALSE(committed.empty());
    ASSERT_EQ(committed.back(), '\n');
    EXPECT_TRUE(matches_golden(name, committed));
    EXPECT_FALSE(matches_golden(name, committed.substr(0, committed.size() - 1)));
    EXPECT_FALSE(matches_golden(name, committed + "\n"));
    std::string crlf;
    for (char c : committed) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
#ifdef _WIN32
    EXPECT_TRUE(matches_golden(name, crlf));
#else
    EXPECT_FALSE(matches_golden(name, crlf));
#endif
    EXPECT_FALSE(matches_golden("menus/no_such_screen.txt", committed));
}

// Sets an environment variable for the object's lifetime, then puts back
// what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        if (old) old_ = old;
        set(value);
    }
    ~ScopedEnvironment() { set(old_ ? old_->c_str() : nullptr); }

private:
    void set(const char* value) {
#ifdef _WIN32
        _putenv_s(name_, value ? value : "");
#else
        if (value) ::setenv(name_, value, 1);
        else ::unsetenv(name_);
#endif
    }
    const char* name_;
    std::optional<std::string> old_;
};

// The command that rewrites the committed files (TOLV7_UPDATE_GOLDEN=1) must
// write them: were it to compare instead, a change of the results could not
// be committed, and were it to do nothing, every check would pass unread.
// The file goes to a temporary folder (a name that is a whole path is kept
// as it is by golden_path).
TEST(GoldenComparison, TheUpdateCommandWritesTheActualTextAsTheCommittedFile) {
    TempDir dir;
    const std::string file = (dir.path() / "menus" / "new_screen.txt").string();
    ASSERT_EQ(golden_path(file), fs::path(file));
    {
        ScopedEnvironment update("TOLV7_UPDATE_GOLDEN", "1");
        EXPECT_TRUE(updating_golden());
        EXPECT_TRUE(matches_golden(file, "NEW SCREEN\n"));
    }
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(bytes_of(file), "NEW SCREEN\n");
    {
        ScopedEnvironment compare("TOLV7_UPDATE_GOLDEN", nullptr);
        EXPECT_FALSE(updating_golden());
        EXPECT_TRUE(matches_golden(file, "NEW SCREEN\n"));
        EXPECT_FALSE(matches_golden(file, "OLD SCREEN\n"));
    }
    EXPECT_EQ(bytes_of(file), "NEW SCREEN\n");
}

// Under ctest the trees come from the tree tool, once per run; they must hold
// what the builder writes in-process for the same options.
TEST(SharedTrees, UnderCtestTheToolsTreeIsTheBuildersTree) {
    const char* folder = std::getenv("TOLV7_TEST_TREES");
    if (folder == nullptr) GTEST_SKIP() << "run without ctest: the trees are written in-process";
    tree::TreeOptions options;
    options.constant_coefficients = true;
    options.coefficient = 2.5;
    options.uncertainty = 0.1;
    options.cutoffs = tree::CutoffShape::Linear;
    options.constant_potential_mv = 600;
    const fs::path shared = shared_tree(options);
    EXPECT_EQ(shared.parent_path(), fs::path(folder));
    EXPECT_EQ(shared_tree().parent_path(), fs::path(folder));

    TempDir own;
    tree::write_data_tree(own.path(), options);
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(own.path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), own.path());
        ++files;
        ASSERT_TRUE(fs::exists(shared / relative)) << relative.string();
        EXPECT_TRUE(bytes_of(entry.path()) == bytes_of(shared / relative)) << relative.string();
    }
    int shared_files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(shared))
        if (entry.is_regular_file()) ++shared_files;
    EXPECT_EQ(shared_files, files);
}

// What one test writes in its working folder, another test's folder on the
// same tree does not see, and the shared tree keeps what the tool wrote.
TEST(SharedTrees, WritesStayInTheTestsOwnFolder) {
    const fs::path shared = shared_tree();
    const std::string ini = bytes_of(shared / "TOLV.INI");
    const std::string user_airports = bytes_of(shared / "AIRPORTS/NEWPORTS.DAT");
    {
        TreeWorkdir first;
        write_file("TOLV.INI", "changed\n");
        write_file("AIRPORTS/NEWPORTS.DAT", "changed\n");
        write_file("SOLARMOD/NEW.DAT", "added\n");
        fs::remove_all("CUTOFFS");  // a linked folder: the link goes, the tree stays
    }
    TreeWorkdir second;
    EXPECT_EQ(bytes_of("TOLV.INI"), ini);
    EXPECT_EQ(bytes_of("AIRPORTS/NEWPORTS.DAT"), user_airports);
    EXPECT_FALSE(fs::exists("SOLARMOD/NEW.DAT"));
    EXPECT_TRUE(fs::exists("CUTOFFS/IGRF2010.1X1"));
    EXPECT_EQ(bytes_of(shared / "TOLV.INI"), ini);
    EXPECT_FALSE(fs::exists(shared / "SOLARMOD/NEW.DAT"));
}

}  // namespace
}  // namespace tolv7::test
