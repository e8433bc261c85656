// Keyboard answers of the single-place dialogue, through its dose
// computation.
#include "keyboard_inputs.hpp"
#include "runs/single_place.hpp"
#include "shower_preload.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::dialogue_after_start_up(tolv7::fuzz::as_text(data, size), tolv7::onespot);
    return 0;
}
