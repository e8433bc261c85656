#pragma once
// The fixed texts of the eight dose quantities that result files and reports
// carry: accumulated-dose label, dose-rate label, note and unit text.
#include <string>

namespace tolv7 {

struct EngineContext;

// Sets the 39-character label of an accumulated dose; other q leave it.
void dkstr(std::string& text, int q);
// Sets the 42-character label of a dose rate; other q leave it.
void drkstr(std::string& text, int q);
// The text of quantity q (1-8) from an eight-entry table, kept in `kept`;
// any other q gives the text kept from the last valid call.
std::string kept_quantity_text(std::string& kept, const char* const (&table)[8], int q);

// The 16-character note and unit text of q; other q give the last valid text.
std::string dknotes(const EngineContext& p, int q);
std::string dkunits2(const EngineContext& p, int q);

}  // namespace tolv7
