#pragma once
// An airport file through the building of the index files and lookups of
// codes that are there, are not, and are too short or long.
#include "airports/index_files.hpp"
#include "airports/port_lookup.hpp"
#include "data_file_inputs.hpp"

namespace tolv7::fuzz {

inline void airport_file_input(std::string_view name, std::string_view input) {
    data_file_input(name, input, [](Program& p) {
        make_ndx(p, 91, 7000);  // as start-up builds them
        for (const char* code : {"EGLL", "KJFK", "ZZZZ", "A", "XXXXXX"}) port_info(p, code);
    });
}

}  // namespace tolv7::fuzz
