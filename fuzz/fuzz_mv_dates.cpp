// The monthly potential table MV-DATES.L99 through the potential lookups.
#include "potential_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::potential_file_input("SOLARMOD/MV-DATES.L99", tolv7::fuzz::as_text(data, size));
    return 0;
}
