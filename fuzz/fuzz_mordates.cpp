// The daily potential file MORDATES.2K through the potential lookups.
#include "potential_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::potential_file_input("SOLARMOD/MORDATES.2K", tolv7::fuzz::as_text(data, size));
    return 0;
}
