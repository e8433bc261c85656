#include "tools/power_of_ten.hpp"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace tolv7::tree {

namespace {

constexpr int kLowest = -300;
constexpr int kHighest = 300;

// Each power read from its decimal text "1e<k>": the conversion from text
// rounds to nearest on every runtime, unlike pow.
std::array<double, kHighest - kLowest + 1> make_table() {
    std::array<double, kHighest - kLowest + 1> table{};
    for (int k = kLowest; k <= kHighest; ++k) {
        const std::string text = "1e" + std::to_string(k);
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        table[static_cast<std::size_t>(k - kLowest)] = value;
    }
    return table;
}

}  // namespace

double power_of_ten(int k) {
    static const auto table = make_table();
    if (k < kLowest || k > kHighest) throw std::out_of_range("power_of_ten: exponent " + std::to_string(k));
    return table[static_cast<std::size_t>(k - kLowest)];
}

}  // namespace tolv7::tree
