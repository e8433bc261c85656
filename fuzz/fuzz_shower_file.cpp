// A shower file through the loading of the shower library. The input takes
// the place of the head of the first file loaded; the rest of that file and
// the other files stay as the tree has them.
#include "data_file_inputs.hpp"
#include "engine/shower_library.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolv7::fuzz;
    static const std::string kFile = std::string("SHOWERS/") + tolv7::kShowerFiles[0];
    static const std::string original = tree_file(kFile);
    data_file_input(kFile, splice_head(as_text(data, size), original), tolv7::loadftdccs);
    return 0;
}
