// A *.BIG file through the city-pair run in batch mode.
#include "batch_inputs.hpp"
#include "shower_preload.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::run_batch_of("FUZZ.BIG", tolv7::fuzz::as_text(data, size));
    return 0;
}
