#include "runs/flight_status.hpp"

namespace tolv7 {

std::string badstr(int status) {
    switch (status) {
        case 1: return "  CANNOT READ DATE...SKIPPING THIS FLIGHT    ";
        case 2: return "  CANNOT READ ALTS...SKIPPING THIS FLIGHT    ";
        case 3: return "  REACHED END OF BIG FILE                    ";
        case 5: return "  TRIP TIME >1996 MIN...SKIPPING THIS FLIGHT ";
        case 6: return "  BAD ORIGIN PORT...SKIPPING THIS FLIGHT     ";
        case 7: return "  BAD DESTINATION PORT...SKIPPING THIS FLIGHT";
        case 8: return "  MINUTES DO NOT RISE...SKIPPING THIS FLIGHT ";
        default: return "  BAD PROFILE DATA...SKIPPING THIS FLIGHT    ";
    }
}

}  // namespace tolv7
