#include "runs/particle_menus.hpp"

#include "app/console_echo.hpp"
#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
#include "engine/dose_labels.hpp"
#include "runs/run_context.hpp"

namespace tolv7 {

namespace {

const char* const kParticleMenu[] = {
    "      SELECT RADIATION.",
    "      <0> TOTAL       <10> DEUTERONS   <20>F    <30>K ",
    "      <1> NEUTRONS    <11> TRITONS     <21>Ne   <31>Ca",
    "      <2> PHOTONS     <12> HELIONS     <22>Na   <32>Sc",
    "      <3> ELECTRONS   <13> ALPHAS      <23>Mg   <33>Ti",
    "      <4> POSITRONS   <14> Li          <24>Al   <34>V ",
    "      <5> NEG. MUONS  <15> Be          <25>Si   <35>Cr",
    "      <6> POS. MUONS  <16> B           <26>P    <36>Mn",
    "      <7> PROTONS     <17> C           <27>S    <37>Fe",
    "      <8> POS. PIONS  <18> N           <28>Cl         ",
    "      <9> NEG. PIONS  <19> O           <29>Ar         ",
    "      Enter 0-37 and press <enter>.",
};

template <std::size_t N>
void show_lines(const RunContext& p, const char* const (&lines)[N]) {
    for (const char* line : lines) p.con.line(ListLine() << line);
}

// The flight dialogue and the single-place dialogue word item 1 differently.
void show_dose_menu(const RunContext& p, DoseMenu menu) {
    p.con.line(ListLine() << "      SELECT DOSE TYPE");
    for (int q = 1; q <= kDoseQuantities; ++q) {
        const DoseQuantityTexts& t = dose_quantity_texts(q);
        p.con.line(ListLine() << (menu == DoseMenu::Flight ? t.flight_menu_item : t.place_menu_item));
    }
}

}  // namespace

int ask_particle(const RunContext& p, const char* refusal, bool echo) {
    for (;;) {
        show_lines(p, kParticleMenu);
        auto code = read_kb_integer(p);
        if (code && echo) echo_line(p.con, p.log, ListLine() << *code);
        if (code && *code >= 0 && *code <= 37) return static_cast<int>(*code);
        cls(p);
        p.con.line(ListLine() << refusal);
    }
}

int ask_dose_type(const RunContext& p, DoseMenu menu) {
    for (;;) {
        if (menu == DoseMenu::Flight) p.con.line(" ");
        show_dose_menu(p, menu);
        auto q = read_kb_integer(p);
        if (q && *q >= 1 && *q <= kDoseQuantities) return static_cast<int>(*q);
        cls(p);
        p.con.line(ListLine() << "      Entry must be 1 to 8 ");
    }
}

}  // namespace tolv7
