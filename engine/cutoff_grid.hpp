#pragma once
// World grids of the vertical cutoff rigidity: six epochs of 1 x 1 degree
// values, held in memory as their files give them, and the lookups that
// interpolate a place inside its grid cell.
#include <array>
#include <istream>
#include <string>
#include <vector>

namespace tolv7 {

struct EngineContext;

inline constexpr int kCutoffGrids = 6;
inline constexpr int kGridPages = 18;       // 20 longitudes each
inline constexpr int kGridPageLines = 216;  // lines of one page
inline constexpr int kGridColumns = 20;     // values of one latitude line

// File names (in the CUTOFFS folder) and epoch years of grids 1 to 6.
inline constexpr std::array<const char*, kCutoffGrids> kCutoffGridFiles{
    "WGRC1965.1X1", "IGRF1980.1X1", "DGRF1990.1X1", "IGRF1995.1X1", "IGRF2000.1X1", "IGRF2010.1X1"};
inline constexpr std::array<double, kCutoffGrids> kCutoffEpochs{1965.0, 1980.0, 1990.0, 1995.0, 2000.0, 2010.0};

// Reference altitude (km) of each grid.
inline constexpr std::array<double, kCutoffGrids> TABLEKM{20.0, 20.0, 20.0, 20.0, 20.0, 20.0};

// One grid: the 20 values of every latitude line, indexed by the line's
// position in the file (page by page), so that a value is found exactly
// where a reader skipping lines would find it. Other lines hold nothing.
struct CutoffGrid {
    std::vector<double> values;  // 18 x 216 x 20, column fastest
};

// Reads a grid file from its start. A file that ends early or a latitude
// line that does not read in its layout stops the program (status 2),
// naming the file and the line.
CutoffGrid parse_cutoff_grid(std::istream& in, const std::string& file_name);

// Page (1-18) of a longitude index, its column on the page (0-19), and the
// line within a page of a latitude index (0 when the latitude has none).
int vmcrpage(int longitude);
int vmcrcol(int longitude);
int vmcrline(int latitude);

// The grid value at integer degrees (latitude -89 to 90, longitude 0 to
// 359); 0 for an index outside the grid.
double vmcr(const CutoffGrid& grid, int latitude, int longitude);

double boxinterp(double c11, double c12, double c21, double c22, double fx, double fy);

// Altitude factor of grid 1-6 at an altitude in km.
double vcaltadj(int grid, double altitude_km);

// The vertical cutoff (GV) at a place, interpolated inside its grid cell.
// Latitudes beyond +-89 use the +-89 row; longitudes of any size wrap into
// [0, 360). A latitude or longitude that is not a finite number is fatal.
double readvc(const EngineContext& p, const CutoffGrid& grid, double latitude, double longitude);

}  // namespace tolv7
