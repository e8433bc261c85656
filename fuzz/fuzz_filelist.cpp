// FILELIST.TXT as the listing shell writes it, through the input-file
// picker; the keyboard pages forward and back, gives bad answers and picks.
#include "app/file_picker.hpp"
#include "keyboard_inputs.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string listing(tolv7::fuzz::as_text(data, size));
    tolv7::fuzz::dialogue_after_configuration("N\nN\nP\nX\n0\n17\n2\n", [&](tolv7::Program& p) {
        static_cast<tolv7::fuzz::ListingShell&>(p.shell).listing = listing;
        tolv7::pick_infile(p, "BIG");
    });
    return 0;
}
