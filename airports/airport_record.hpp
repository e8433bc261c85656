#pragma once
// The 91-column airport record shared by the primary file AIRPORTS.DAT, the
// user file NEWPORTS.DAT and the index files built from them.
#include <string>

namespace tolv7 {

inline constexpr int kAirportRecordLength = 91;
inline constexpr int kAirportCapacity = 7000;  // primary records used at most

// The record that ends both airport files (89 columns, as the entry form
// writes it): ICAO field "----" and 99999 in columns 84-88.
inline std::string end_of_file_record() {
    return "END OF FILE" + std::string(19, ' ') + "----" + std::string(2, ' ') + "END OF FILE" +
           std::string(19, ' ') + "99999990" + "999999999" + "999990";
}

}  // namespace tolv7
