// KP_INDEX.TXT through the storm adjustment of the cutoff.
#include "data_file_inputs.hpp"
#include "engine/kp_adjust.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::data_file_input(tolv7::kKpIndexFile, tolv7::fuzz::as_text(data, size), [](tolv7::Program& p) {
        for (double date : {2018.6495, 2018.65, 2019.4534, 1990.0, 2100.999}) tolv7::anid(p, 5.0, date);
    });
    return 0;
}
