#pragma once
// Committed expected results under tests/golden/. They were written by the
// program and reviewed; a change of any byte fails the test that reads them,
// line ends and the final newline included.
// With TOLV7_UPDATE_GOLDEN=1 in the environment the checks write the actual
// text instead, to be reviewed with `git diff tests/golden`.
//
// The one exception: the Windows build writes its result files with CR LF
// line ends, and read_file() gives them with LF there; so under _WIN32 both
// texts have each CR LF turned into LF before they are compared. Everywhere
// else the bytes are compared as they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace tolv7::test {

// The path of a committed file: `name` is relative to tests/golden/.
std::filesystem::path golden_path(const std::string& name);

// True when TOLV7_UPDATE_GOLDEN=1 asks for the committed files anew.
bool updating_golden();

// Where `actual` first differs from `expected`, byte for byte: the line
// number, both lines (control characters shown as escapes), and whether the
// difference is a line end or the final newline; nothing when they are the
// same.
std::optional<std::string> text_difference(const std::string& expected, const std::string& actual);

// Whether `actual` is the committed file `name`, byte for byte (see the CR LF
// exception above); names the first line that differs. When updating,
// writes `actual` as the file.
::testing::AssertionResult matches_golden(const std::string& name, const std::string& actual);

}  // namespace tolv7::test
