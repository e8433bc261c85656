#pragma once
// The dose quantities (1 to kDoseQuantities) and every fixed text that
// result files, reports, screens and menus carry for them: one table row per
// quantity. A new quantity takes a row here, a larger kDoseQuantities
// (engine/shower_library.hpp) and its calibration (renorm), besides the
// screen texts that name the range ("1 to 8").
#include <string>

#include "engine/shower_library.hpp"

namespace tolv7 {

struct EngineContext;

// Whether q names a dose quantity.
constexpr bool valid_dose_quantity(int q) { return q >= 1 && q <= kDoseQuantities; }

// The texts of one dose quantity, each with its trailing blanks.
struct DoseQuantityTexts {
    const char* dose_label;    // accumulated dose in flight and location results (dkstr), 39 characters
    const char* rate_label;    // dose rate (drkstr), 42 characters
    const char* note;          // the standard or detector (dknotes), 16 characters
    const char* report_units;  // unit of the flight report's dose / 1000 (dkunits2), 16 characters
    const char* report_name;   // name in the flight report (dknames), 16 characters
    const char* report_unit;   // unit of the flight report's dose (dkunits), 16 characters
    bool report_thousandths;   // the report adds the dose / 1000 in report_units
    const char* place_caption;  // single-place result screen: before the rate, up to 32 characters
    const char* place_unit;     // after the rate, up to 32 characters
    bool place_names_particle;  // the particle's name stands between the rate and the unit
    const char* flight_menu_item;  // the line of the flight options' dose-type menu
    const char* place_menu_item;   // the line of the single-place dose-type menu
};

// The row of quantity q (1 to kDoseQuantities); std::out_of_range otherwise.
const DoseQuantityTexts& dose_quantity_texts(int q);

// The texts of the last valid quantity, which the report and note routines
// give for any other quantity; blank before the first valid call.
struct KeptQuantityTexts {
    std::string note = std::string(16, ' ');
    std::string report_units = std::string(16, ' ');
    std::string report_name = std::string(16, ' ');
    std::string report_unit = std::string(16, ' ');
};

// Sets `kept` to the text of quantity q when q is valid, and returns it.
std::string kept_quantity_text(std::string& kept, const char* DoseQuantityTexts::*text, int q);

// Sets the 39-character label of an accumulated dose; other q leave it.
void dkstr(std::string& text, int q);
// Sets the 42-character label of a dose rate; other q leave it.
void drkstr(std::string& text, int q);

// The 16-character note and unit text of q; other q give the last valid text.
std::string dknotes(const EngineContext& p, int q);
std::string dkunits2(const EngineContext& p, int q);

}  // namespace tolv7
