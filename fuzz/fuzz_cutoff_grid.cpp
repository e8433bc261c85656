// A cutoff grid through its parser, then lookups at places that reach
// every edge of the grid. The input takes the place of the head of a grid
// file; its rest stays as the tree has it.
#include <sstream>

#include "engine/cutoff_grid.hpp"
#include "session.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolv7::fuzz;
    static const std::string kFile = tolv7::kCutoffGridFiles[5];
    static const std::string original = tree_file("CUTOFFS/" + kFile);
    WorkFolder work;
    std::istringstream in(splice_head(as_text(data, size), original));
    FuzzProgram fp;
    run_to_stop([&] {
        tolv7::CutoffGrid grid = tolv7::parse_cutoff_grid(in, kFile);
        const double places[][2] = {{0, 0}, {51.5, -0.5}, {89.9, 359.9}, {-89.9, -179.9}, {90, 180}, {-90, 720.5}};
        for (const auto& place : places) tolv7::readvc(*fp, grid, place[0], place[1]);
    });
    return 0;
}
