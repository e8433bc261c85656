// FORBUSH.DAT through its loading and the factor of dates in and beside
// its events.
#include <vector>

#include "data_file_inputs.hpp"
#include "engine/forbush.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tolv7::fuzz::data_file_input("FORBUSH/FORBUSH.DAT", tolv7::fuzz::as_text(data, size), [](tolv7::Program& p) {
        tolv7::loadforbush(p);
        std::vector<double> flux(27 * 100, 1.0);  // 27 primaries x 100 energies
        double factor = 0.0;
        for (double date : {2012.19, 2012.1875, 1957.0, 2056.999, 2019.5}) tolv7::forbush(p, date, flux, factor);
    });
    return 0;
}
