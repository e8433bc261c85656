#include "engine/dose_labels.hpp"

#include <array>
#include <stdexcept>
#include <string_view>

#include "engine/engine_context.hpp"

namespace tolv7 {

namespace {

// The single-place screen words the ambient dose equivalent "h*(10)" and the
// menus "H*(10)", while the labels write "H(*10)"; the fluence's rate label
// reads "SECONDARY FLUX". Each text is kept as the program has always shown it.
constexpr std::array<DoseQuantityTexts, kDoseQuantities> kQuantities = {{
    {.dose_label = " p/sq.cm, secondary particle fluence   ",
     .rate_label = " particles/sq.cm/sec, SECONDARY FLUX      ",
     .note = "                ",
     .report_units = " particles/cm/cm",
     .report_name = " Part. fluence  ",
     .report_unit = " particles/cm/cm",
     .report_thousandths = false,
     .place_caption = "SECONDARY PARTICLE FLUX",
     .place_unit = "Particles per sq-cm per hour",
     .place_names_particle = true,
     .flight_menu_item = "      <1> SECONDARY PARTICLE FLUENCE",
     .place_menu_item = "      <1> Secondary Particle Flux (Any rad but TOTAL)"},
    {.dose_label = " microSv, ICRP Pub. 103 EFFECTIVE DOSE ",
     .rate_label = " microSv/hr, ICRP Pub. 103 EFFECTIVE DOSE ",
     .note = ", ICRP Pub. 103 ",
     .report_units = " millisieverts) ",
     .report_name = " Effective dose ",
     .report_unit = " microsieverts  ",
     .report_thousandths = true,
     .place_caption = "ICRP PUB 103 EFFECTIVE DOSE",
     .place_unit = "MICROSIEVERTS/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <2> ICRP PUB 103 EFFECTIVE DOSE",
     .place_menu_item = "      <2> ICRP PUB 103 EFFECTIVE DOSE"},
    {.dose_label = " microSv, ICRP Pub. 60 EFFECTIVE DOSE  ",
     .rate_label = " microSv/hr, ICRP Pub. 60 EFFECTIVE DOSE  ",
     .note = ", ICRP Pub. 60  ",
     .report_units = " millisieverts) ",
     .report_name = " Effective dose ",
     .report_unit = " microsieverts  ",
     .report_thousandths = true,
     .place_caption = "ICRP PUB 60 EFFECTIVE DOSE",
     .place_unit = "MICROSIEVERTS/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <3> ICRP PUB 60 EFFECTIVE DOSE",
     .place_menu_item = "      <3> ICRP PUB 60 EFFECTIVE DOSE"},
    {.dose_label = " microSv, ICRU AMBIENT DOSE EQ. H(*10) ",
     .rate_label = " microSv/hr, ICRU AMBIENT DOSE EQ. H(*10) ",
     .note = ", ICRU  H(*10)  ",
     .report_units = " millisieverts) ",
     .report_name = " Am. Dose Eqiv. ",
     .report_unit = " microsieverts  ",
     .report_thousandths = true,
     .place_caption = "AMBIENT DOSE EQUIVALENT (h*(10))",
     .place_unit = "MICROSIEVERTS/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <4> ICRU H*(10) AMBIENT DOSE EQUIVALENT",
     .place_menu_item = "      <4> ICRU H*(10) AMBIENT DOSE EQUIVALENT"},
    {.dose_label = " microGy, AVE WHOLE-BODY ABSORBED DOSE ",
     .rate_label = " microGy/hr, AVE WHOLE-BODY ABSORBED DOSE ",
     .note = ", WHOLE-BODY AVE",
     .report_units = " milligray)     ",
     .report_name = " Absorbed dose  ",
     .report_unit = " microgray      ",
     .report_thousandths = true,
     .place_caption = "WHOLE BODY ABSORBED DOSE",
     .place_unit = "MICROGRAY/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <5> WHOLE BODY ABSORBED DOSE",
     .place_menu_item = "      <5> WHOLE BODY ABSORBED DOSE"},
    {.dose_label = " microGy, ABSORBED DOSE IN 0.5mm Si    ",
     .rate_label = " microGy/hr, ABSORBED DOSE IN 0.5mm Si    ",
     .note = ", 0.5mm Si      ",
     .report_units = " milligray)     ",
     .report_name = " Absorbed dose  ",
     .report_unit = " microgray      ",
     .report_thousandths = true,
     .place_caption = "MICROGRAY/HOUR in 0.5 mm Si",
     .place_unit = "MICROGRAY/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <6> ABSORBED DOSE IN 0.5 mm Si chip",
     .place_menu_item = "      <6> ABSORBED DOSE IN 0.5 mm Si chip"},
    {.dose_label = " microGy, ABSORBED DOSE IN 0.3mm Si    ",
     .rate_label = " microGy/hr, ABSORBED DOSE IN 0.3mm Si    ",
     .note = ", 0.3mm Si      ",
     .report_units = " milligray)     ",
     .report_name = " Absorbed dose  ",
     .report_unit = " microgray      ",
     .report_thousandths = true,
     .place_caption = "MICROGRAY/HOUR in 0.3 mm Si",
     .place_unit = "MICROGRAY/HOUR",
     .place_names_particle = false,
     .flight_menu_item = "      <7> ABSORBED DOSE IN 0.3 mm Si chip",
     .place_menu_item = "      <7> ABSORBED DOSE IN 0.3 mm Si chip"},
    {.dose_label = " counts, NM-64 TUBE (BF3)              ",
     .rate_label = " counts/hr, NM-64 TUBE (BF3)              ",
     .note = ", NM-64 BF3 TUBE",
     .report_units = " unnormal counts",
     .report_name = " Neutron monitor",
     .report_unit = " unnormal counts",
     .report_thousandths = false,
     .place_caption = "NM-64 BF3 tube",
     .place_unit = "counts per hour",
     .place_names_particle = false,
     .flight_menu_item = "      <8> NM-64 COUNTS",
     .place_menu_item = "      <8> NM-64 COUNTS"},
}};

// Every row's texts have the widths that the result layouts count on.
constexpr bool widths_hold() {
    for (const DoseQuantityTexts& t : kQuantities) {
        for (const char* s : {t.note, t.report_units, t.report_name, t.report_unit})
            if (std::string_view(s).size() != 16) return false;
        if (std::string_view(t.dose_label).size() != 39 || std::string_view(t.rate_label).size() != 42) return false;
        if (std::string_view(t.place_caption).size() > 32 || std::string_view(t.place_unit).size() > 32) return false;
    }
    return true;
}
static_assert(widths_hold());

}  // namespace

const DoseQuantityTexts& dose_quantity_texts(int q) {
    if (!valid_dose_quantity(q)) throw std::out_of_range("no dose quantity " + std::to_string(q));
    return kQuantities[static_cast<std::size_t>(q - 1)];
}

std::string kept_quantity_text(std::string& kept, const char* DoseQuantityTexts::*text, int q) {
    if (valid_dose_quantity(q)) kept = dose_quantity_texts(q).*text;
    return kept;
}

void dkstr(std::string& text, int q) {
    if (valid_dose_quantity(q)) text = dose_quantity_texts(q).dose_label;
}

void drkstr(std::string& text, int q) {
    if (valid_dose_quantity(q)) text = dose_quantity_texts(q).rate_label;
}

std::string dknotes(const EngineContext& p, int q) {
    return kept_quantity_text(p.engine.kept_quantity_texts.note, &DoseQuantityTexts::note, q);
}

std::string dkunits2(const EngineContext& p, int q) {
    return kept_quantity_text(p.engine.kept_quantity_texts.report_units, &DoseQuantityTexts::report_units, q);
}

}  // namespace tolv7
