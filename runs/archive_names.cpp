#include "runs/archive_names.hpp"

#include "app/text_lines.hpp"

namespace tolv7 {

std::optional<std::string> archive_name(const std::string& input_name, const std::string& extension) {
    std::string input = trim_right(input_name);
    std::size_t dot = input.rfind('.');
    std::string archive = (dot == std::string::npos ? input : input.substr(0, dot)) + extension;
    // Windows file names ignore case, so X.ans and X.ANS are one file there.
    if (upper_case(archive) == upper_case(input)) return std::nullopt;
    return archive;
}

}  // namespace tolv7
