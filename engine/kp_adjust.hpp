#pragma once
// Storm adjustment of the vertical cutoff: the planetary Kp index of the
// date's three-hour interval, looked up in the user's Kp file, lowers the
// cutoff when it is 5 or more. Dates that stand for an average skip it.
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/file_stamp.hpp"
#include "engine/average_switches.hpp"
#include "engine/kp_layout.hpp"

namespace tolv7 {

struct EngineContext;

// The Kp file; its name has a forward slash whatever the OS setting.
inline constexpr const char* kKpIndexFile = "KP_INDEX/KP_INDEX.TXT";

// The Kp file as last read: its day lines in file order up to the first one
// that cannot be read, and what was wrong with that one (empty when none).
struct KpIndexFile {
    bool loaded = false;
    std::vector<KpDay> days;
    std::string unreadable;
    FileStamp stamp;
    // The first day line of each date (year x 10000 + month x 100 + day).
    std::unordered_map<std::int64_t, std::size_t> first_of_date;
};

// The cutoff lowered for a storm of index kp (unchanged below 5).
double storm_cutoff(double rc, int kp);

// The Kp index of the date from the Kp file, 0 when the file does not hold
// the date or the date is an average. Writes the Kp lines to the cutoff log.
int getkp(const EngineContext& p, double date);

// The vertical cutoff rc adjusted for the storm of the date.
double anid(const EngineContext& p, double rc, double date);

}  // namespace tolv7
