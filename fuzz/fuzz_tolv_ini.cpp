// TOLV.INI through the whole start-up, whose later steps take their paths
// and switches from it.
#include "shower_preload.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolv7::fuzz;
    WorkFolder work({"TOLV.INI"});
    write_work_file("TOLV.INI", as_text(data, size));
    FuzzProgram fp;
    run_to_stop([&] { start_up_lent(fp, Index::Build); });
    return 0;
}
