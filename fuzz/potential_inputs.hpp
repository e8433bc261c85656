#pragma once
// A potential file through the loading of the monthly table and lookups of
// one day, a monthly and a yearly average, the ends of the tables' range
// and beyond.
#include <cstdint>

#include "data_file_inputs.hpp"
#include "engine/helio_potential.hpp"

namespace tolv7::fuzz {

inline void potential_file_input(std::string_view name, std::string_view input) {
    data_file_input(name, input, [](Program& p) {
        load_hp(p);
        const std::int32_t dates[][3] = {{2019, 6, 15}, {2019, 6, 0}, {2019, 0, 0}, {1950, 1, 1},
                                         {2100, 12, 31}, {2101, 1, 1}, {0, 0, 0}};
        for (const auto& d : dates) date2hp(p, d[0], d[1], d[2]);
    });
}

}  // namespace tolv7::fuzz
