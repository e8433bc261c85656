#pragma once
// Shared records of the airport database.
#include <fstream>
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
    // AIRPORTS/AIRPORTS.DAT, AIRPORTS/CODES and AIRPORTS/NEWPORTS.DAT, opened
    // at start-up and held open for the whole run.
    std::ifstream airports_file;
    std::ifstream codes_file;
    std::ifstream newports_file;

    PortIndexCopy port_index;

    // The first save of the user file that failed in this session, as the
    // program's last message names it ("" when none): the menus go on, and
    // the session ends with status 2.
    std::string failed_save;

    // When false, the index copy is read afresh at every lookup (for tests
    // that compare the cached path with reading the file each time).
    bool caching = true;
};

}  // namespace tolv7
