#include "runs/big_flight_report.hpp"

#include "airports/port_lookup.hpp"
#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"
#include "engine/dose_labels.hpp"
#include "engine/helio_potential.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

std::string airport_line(const RunContext& p, const char* title, const std::string& code) {
    auto airport = port_info(p, code);
    std::string city = airport ? trim_right(airport->city) : std::string();
    return ListLine() << title + city + " (" + trim_right(code) + ")";
}

}  // namespace

std::string dknames(const RunContext& p, int quantity) {
    return kept_quantity_text(p.engine.kept_quantity_texts.report_name, &DoseQuantityTexts::report_name, quantity);
}

std::string dkunits(const RunContext& p, int quantity) {
    return kept_quantity_text(p.engine.kept_quantity_texts.report_unit, &DoseQuantityTexts::report_unit, quantity);
}

std::string report_dose_line(const RunContext& p, double dose, int quantity) {
    std::string line = dknames(p, quantity);
    // Any other quantity takes the kept texts of the last valid one in the longer form.
    if (valid_dose_quantity(quantity) && !dose_quantity_texts(quantity).report_thousandths)
        return line + fmt_f(dose, 7, 2) + dkunits(p, quantity) + dknotes(p, quantity);
    if (dose < 10.0) line += fmt_f(dose, 4, 2);
    else if (dose < 100.0) line += fmt_f(dose, 5, 1);
    else line += fmt_f(dose, 6, 1);
    return line + dkunits(p, quantity) + " (" + fmt_f(dose / 1000.0, 7, 5) + dkunits2(p, quantity) +
           dknotes(p, quantity);
}

void big_flt_rpt(const RunContext& p, std::ostream& report, const std::string& flight_name, const std::string& origin,
                 const std::string& destination, const std::string& date, double dose, int quantity) {
    CalendarDate ymd = date2ymd(date).value_or(CalendarDate{});
    std::int32_t mv = date2hp(p, ymd.year, ymd.month, ymd.day);
    report << std::string(ListLine() << pad_to(flight_name, 30)) << '\n';
    report << airport_line(p, "Origin  ", origin) << '\n';
    report << airport_line(p, "Destination  ", destination) << '\n';
    report << std::string(ListLine() << "Date " + pad_to(date, 10)) << '\n';
    report << " Heliocentric Potential " << fmt_i(mv, mv < 1000 ? 3 : 4) << " MV\n";
    report << report_dose_line(p, dose, quantity) << '\n';
    report << std::string(ListLine() << std::string(50, '-')) << '\n';
}

}  // namespace tolv7
