#pragma once
// Committed expected results under tests/golden/. They were written by the
// program and reviewed; a change of any byte fails the test that reads them.
// With TOLV7_UPDATE_GOLDEN=1 in the environment the checks write the actual
// text instead, to be reviewed with `git diff tests/golden`.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tolv7::test {

// The path of a committed file: `name` is relative to tests/golden/.
std::filesystem::path golden_path(const std::string& name);

// True when TOLV7_UPDATE_GOLDEN=1 asks for the committed files anew.
bool updating_golden();

// The committed text of `name`.
std::string golden_text(const std::string& name);

// Whether `actual` holds the lines of the committed file (line ends aside,
// so that CRLF result files of the Windows build compare too); names the
// first line that differs. When updating, writes `actual` as the file.
::testing::AssertionResult matches_golden(const std::string& name, const std::string& actual);

}  // namespace tolv7::test
