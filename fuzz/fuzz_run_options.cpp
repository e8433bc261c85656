// Keyboard answers of the flight run options dialogue.
#include "keyboard_inputs.hpp"
#include "runs/flight_options.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::dialogue_after_configuration(tolv7::fuzz::as_text(data, size),
                                              [](tolv7::Program& p) { tolv7::pick_flt_options(p); });
    return 0;
}
