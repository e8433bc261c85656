#pragma once
// Shared records of the airport database.
#include <string>
#include <vector>

#include "app/file_stamp.hpp"

namespace tolv7 {

// The name index AIRPORTS/PORT.NDX as last read, with the file's size and
// time then: lookups read the file again only when it changed or the index
// was rebuilt.
struct PortIndexCopy {
    bool held = false;
    FileStamp stamp;
    std::vector<std::string> records;  // padded to the record length
};

struct AirportRecords {
    PortIndexCopy port_index;
};

}  // namespace tolv7
