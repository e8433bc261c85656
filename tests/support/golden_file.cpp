#include "support/golden_file.hpp"

#include <cstdlib>

#include "support/test_program.hpp"

namespace tolv7::test {

fs::path golden_path(const std::string& name) { return fs::path(__FILE__).parent_path().parent_path() / "golden" / name; }

bool updating_golden() {
    const char* flag = std::getenv("TOLV7_UPDATE_GOLDEN");
    return flag != nullptr && std::string(flag) == "1";
}

std::string golden_text(const std::string& name) { return read_file(golden_path(name)); }

::testing::AssertionResult matches_golden(const std::string& name, const std::string& actual) {
    const fs::path path = golden_path(name);
    if (updating_golden()) {
        fs::create_directories(path.parent_path());
        write_file(path, actual);
        return ::testing::AssertionSuccess();
    }
    if (!fs::exists(path)) return ::testing::AssertionFailure() << "no committed copy " << path.string();
    std::vector<std::string> got = split_lines(actual);
    std::vector<std::string> want = read_lines(path);
    for (std::size_t i = 0; i < std::max(got.size(), want.size()); ++i) {
        const std::string none = "<no line>";
        const std::string& g = i < got.size() ? got[i] : none;
        const std::string& w = i < want.size() ? want[i] : none;
        if (g != w)
            return ::testing::AssertionFailure() << name << " line " << i + 1 << ":\n  got  \"" << g << "\"\n  want \""
                                                 << w << "\"";
    }
    return ::testing::AssertionSuccess();
}

}  // namespace tolv7::test
