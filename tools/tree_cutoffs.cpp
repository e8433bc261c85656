// The six cutoff grids in their page layout: 18 pages of 216 lines, each
// page 20 longitudes wide, latitude lines at their fixed places and
// heading and separator lines between the blocks.
#include <array>
#include <cmath>
#include <string>

#include "app/fortran_format.hpp"
#include "engine/cutoff_grid.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::tree {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

// Dipole terms g10, g11, h11 (nT) of the geomagnetic reference field at the
// grid epochs.
struct DipoleTerms {
    double g10, g11, h11;
};
constexpr std::array<DipoleTerms, kCutoffGrids> kDipoles{{{-30334.0, -2119.0, 5776.0},
                                                           {-29992.0, -1956.0, 5604.0},
                                                           {-29775.0, -1848.0, 5406.0},
                                                           {-29692.0, -1784.0, 5306.0},
                                                           {-29619.4, -1728.2, 5186.1},
                                                           {-29496.57, -1586.42, 4944.26}}};

// Vertical cutoff of a centred dipole (Stoermer): Rc = K cos^4(geomagnetic
// latitude), K proportional to the dipole moment, 15 GV at B0 = 31000 nT.
class DipoleCutoff {
public:
    explicit DipoleCutoff(const DipoleTerms& d) {
        double b0 = std::sqrt(d.g10 * d.g10 + d.g11 * d.g11 + d.h11 * d.h11);
        equator_gv_ = 15.0 * b0 / 31000.0;
        double pole_colatitude = std::acos(-d.g10 / b0);  // boreal geomagnetic pole
        sin_pole_ = std::cos(pole_colatitude);
        cos_pole_ = std::sin(pole_colatitude);
        pole_longitude_ = std::atan2(-d.h11, -d.g11);
    }
    double operator()(int latitude, int longitude) const {
        double lat = latitude * kRad;
        double sin_mag = std::sin(lat) * sin_pole_ +
                         std::cos(lat) * cos_pole_ * std::cos(longitude * kRad - pole_longitude_);
        double cos2 = 1.0 - sin_mag * sin_mag;
        return equator_gv_ * cos2 * cos2;
    }

private:
    double equator_gv_ = 0.0;
    double sin_pole_ = 0.0;
    double cos_pole_ = 0.0;
    double pole_longitude_ = 0.0;
};

constexpr int kHeading = 999;

// The latitude bands of a page, north to south: the band's first (most
// northern) and last latitude and the page line of the first.
struct Band {
    int north, south, first_line;
};
constexpr std::array<Band, 18> kBands{{{90, 80, 5},    {79, 70, 17},   {69, 60, 28},   {59, 50, 39},
                                       {49, 40, 50},   {39, 30, 66},   {29, 20, 77},   {19, 10, 88},
                                       {9, 0, 99},     {-1, -9, 115},  {-10, -19, 125}, {-20, -29, 136},
                                       {-30, -39, 147}, {-40, -49, 163}, {-50, -59, 174}, {-60, -69, 185},
                                       {-70, -79, 196}, {-80, -89, 207}}};

// What each line of a page holds: its latitude, or kHeading.
std::array<int, kGridPageLines + 1> page_layout() {
    std::array<int, kGridPageLines + 1> layout{};
    layout.fill(kHeading);
    for (const Band& b : kBands)
        for (int lat = b.north; lat >= b.south; --lat)
            layout[static_cast<std::size_t>(b.first_line + b.north - lat)] = lat;
    return layout;
}

// A line before a block of latitude lines; lines_to_block is 0 for the line
// just above the block.
std::string heading_line(int lines_to_block, int page, int epoch, const std::string& shape) {
    int first = 20 * (page - 1);
    switch (lines_to_block) {
    case 0:
        return "  " + std::string(125, '-');
    case 1: {
        std::string text = "  LAT  ";
        for (int k = 0; k < kGridColumns; ++k) text += fmt_i(first + k, 6);
        return text;
    }
    case 2:
        return " LONGITUDES " + std::to_string(first) + " TO " + std::to_string(first + 19) +
               " DEGREES EAST, PAGE " + std::to_string(page) + " OF 18, WRITTEN BY MAKE_DATA_TREE";
    case 3:
        return " SYNTHETIC VERTICAL CUTOFF RIGIDITIES (GV), " + shape + ", EPOCH " + std::to_string(epoch) +
               " - NOT MEASURED DATA";
    default:
        return "";
    }
}

template <typename Value>
std::string grid_text(int epoch, const std::string& shape, Value value) {
    const auto layout = page_layout();
    std::string text;
    text.reserve(static_cast<std::size_t>(kGridPages) * kGridPageLines * 128);
    for (int page = 1; page <= kGridPages; ++page) {
        for (int line = 1; line <= kGridPageLines; ++line) {
            int lat = layout[static_cast<std::size_t>(line)];
            if (lat == kHeading) {
                int next = line + 1;
                while (layout[static_cast<std::size_t>(next)] == kHeading) ++next;
                text += heading_line(next - line - 1, page, epoch, shape) + '\n';
                continue;
            }
            text += fmt_i(lat, 5) + "  ";
            for (int k = 0; k < kGridColumns; ++k) text += fmt_f(value(lat, 20 * (page - 1) + k), 6, 2);
            text += '\n';
        }
    }
    return text;
}

}  // namespace

void write_cutoffs(const fs::path& dir, const TreeOptions& options) {
    for (std::size_t g = 0; g < kCutoffGrids; ++g) {
        int epoch = static_cast<int>(kCutoffEpochs[g]);
        std::string text;
        switch (options.cutoffs) {
        case CutoffShape::Dipole:
            text = grid_text(epoch, "CENTRED DIPOLE", DipoleCutoff(kDipoles[g]));
            break;
        case CutoffShape::Linear:
            // Linear in latitude and longitude, so that interpolation inside a
            // cell is exact; the offset tells the epochs apart.
            text = grid_text(epoch, "LINEAR TEST GRID", [epoch](int lat, int lon) {
                return (epoch - 1900) + 0.5 * lat + 0.25 * lon;
            });
            break;
        case CutoffShape::Zero:
            text = grid_text(epoch, "ZERO TEST GRID", [](int, int) { return 0.0; });
            break;
        }
        write_text_file(dir / "CUTOFFS" / kCutoffGridFiles[g], text);
    }
}

}  // namespace tolv7::tree
