#include "runs/flight_status.hpp"

#include "app/text_lines.hpp"

namespace tolv7 {

std::string badstr(FlightStatus status) {
    switch (status) {
        case FlightStatus::DateUnreadable: return "  CANNOT READ DATE...SKIPPING THIS FLIGHT    ";
        case FlightStatus::RecordUnreadable: return "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ";
        case FlightStatus::EndOfFile: return "  REACHED END OF BIG FILE                    ";
        case FlightStatus::TooLong: return "  TRIP TIME >1996 MIN...SKIPPING THIS FLIGHT ";
        case FlightStatus::UnknownOrigin: return "  BAD ORIGIN PORT...SKIPPING THIS FLIGHT     ";
        case FlightStatus::UnknownDestination: return "  BAD DESTINATION PORT...SKIPPING THIS FLIGHT";
        case FlightStatus::MinutesDoNotRise: return "  MINUTES DO NOT RISE...SKIPPING THIS FLIGHT ";
        default: return "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    ";
    }
}

std::string skip_reason(FlightStatus status, const std::string& detail) {
    std::string text = trim(badstr(status));
    const std::string skipping = "...SKIPPING THIS FLIGHT";
    if (text.ends_with(skipping)) text.resize(text.size() - skipping.size());
    return detail.empty() ? text : text + ": " + detail;
}

}  // namespace tolv7
