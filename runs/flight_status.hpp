#pragma once
// The skip texts of flights that were not computed.
#include <string>

namespace tolv7 {

// Flight statuses: 0 computed; 1 date unreadable; 2 record unreadable;
// 3 end of the flight file; 5 too long; 6 origin and 7 destination airport
// unknown; 8 waypoint minutes that fall or repeat; 9 bad profile data.
std::string badstr(int status);

}  // namespace tolv7
