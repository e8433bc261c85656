// DEFAULT.INP through the batch run it chooses; the folder holds one small
// valid input of each run.
#include "batch_inputs.hpp"
#include "shower_preload.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolv7::fuzz;
    run_batch_with({{"ONE.BIG", kOneFlight},
                    {"ONE.DEG", kOneRoute},
                    {"ONE.LOC", kTwoPlaces},
                    {"DEFAULT.INP", as_text(data, size)}});
    return 0;
}
