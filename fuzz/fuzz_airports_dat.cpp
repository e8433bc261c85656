// AIRPORTS.DAT through the building of the index files and lookups in them.
#include "airport_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::airport_file_input("AIRPORTS/AIRPORTS.DAT", tolv7::fuzz::as_text(data, size));
    return 0;
}
