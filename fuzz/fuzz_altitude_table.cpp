// The altitude table FT-GM.DAT through both of its conversions, at the
// ends of their ranges and between.
#include "data_file_inputs.hpp"
#include "engine/altitude_depth.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::data_file_input(tolv7::kAltitudeTableFile, tolv7::fuzz::as_text(data, size), [](tolv7::Program& p) {
        for (double feet : {-600.0, 0.0, 35000.0, 400000.0}) tolv7::ft2gpcms(p, feet);
        for (double depth : {1e-4, 250.0, 1035.0837}) tolv7::km(p, depth);
    });
    return 0;
}
