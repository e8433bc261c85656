#pragma once
// Names of the result archives written beside an input file.
#include <optional>
#include <string>

namespace tolv7 {

// The input name up to its last "." followed by the extension (".OUT",
// ".SUM", ".DAT", ".ANS"); a name without "." keeps all of it. nullopt when
// the archive would be the input file itself.
std::optional<std::string> archive_name(const std::string& input_name, const std::string& extension);

}  // namespace tolv7
