// The three-letter code file CODES through code look-ups and the airport
// report that shows an airport's other code.
#include "airports/airport_report.hpp"
#include "airports/code_file.hpp"
#include "data_file_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::data_file_input("AIRPORTS/CODES", tolv7::fuzz::as_text(data, size), [](tolv7::Program& p) {
        for (const char* code : {"EGLL", "KJFK  ", " KJFK", "egll", "ZZZZ", "", "ABCDEFGH"}) tolv7::altcode(p, code);
        tolv7::rep_by_icao(p, "KJFK");
    });
    return 0;
}
