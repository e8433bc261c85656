#pragma once
// The settings records filled from TOLV.INI: text settings `init`, integer
// settings `ini` and the non-vertical cutoff switch `nvc_tf`.
#include <cstdint>
#include <string>

namespace tolv7 {

// The switch text that turns a setting off.
inline constexpr const char* kSwitchOff = "NO!";

struct InitRecord {
    std::string menus = kSwitchOff;       // 3: NO! batch, FEW short dialogues, else menus
    std::string os = "WIN  ";             // 5: WIN/DOS select backslash paths and DIR /B
    std::string display = "DOS";          // 3: stored and echoed only
    std::string diag = kSwitchOff;        // 3: global diagnostic switch, no key sets it
    std::string viewer = "write       ";  // 12: stored and echoed only
    std::string output = "FILE";          // 4: stored and echoed only
};

struct IniRecord {
    std::int32_t superposition = 0;  // passed by the flight runs to dose
    std::int32_t gcr_model = 4;      // passed by the flight runs to dose
    std::int32_t report = 0;         // 1: detailed city-pair report
};

struct NvcTf {
    std::int32_t flag = 0;
    char ch = '0';
};

struct Settings {
    InitRecord init;
    IniRecord ini;
    NvcTf nvc_tf;
};

// MENUS "NO!": batch mode, the run's settings come from DEFAULT.INP.
inline bool batch_mode(const InitRecord& init) { return init.menus == kSwitchOff; }
// MENUS "FEW": the short dialogues.
inline bool few_dialogues(const InitRecord& init) { return init.menus == "FEW"; }
// MENUS "YES": a pause after each message.
inline bool pause_after_messages(const InitRecord& init) { return init.menus == "YES"; }
// The global diagnostic switch is "YES".
inline bool diagnostics_on(const InitRecord& init) { return init.diag == "YES"; }

// True when the OS setting asks for Windows paths and commands.
inline bool windows_os(const InitRecord& init) {
    std::string first = init.os.substr(0, 3);
    return first == "WIN" || first == "DOS";
}

// A relative data file name in the path form of the OS setting.
inline std::string os_path(const InitRecord& init, const std::string& dir, const std::string& file) {
    return dir + (windows_os(init) ? "\\" : "/") + file;
}

}  // namespace tolv7
