#include "runs/particle_menus.hpp"

#include "app/console_echo.hpp"
#include "app/console_routines.hpp"
#include "app/fortran_format.hpp"
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

// Items 2 to 8 of the dose-type menu; the dialogues word item 1 differently.
const char* const kDoseMenuTail[] = {
    "      <2> ICRP PUB 103 EFFECTIVE DOSE",
    "      <3> ICRP PUB 60 EFFECTIVE DOSE",
    "      <4> ICRU H*(10) AMBIENT DOSE EQUIVALENT",
    "      <5> WHOLE BODY ABSORBED DOSE",
    "      <6> ABSORBED DOSE IN 0.5 mm Si chip",
    "      <7> ABSORBED DOSE IN 0.3 mm Si chip",
    "      <8> NM-64 COUNTS",
};

template <std::size_t N>
void show_lines(const RunContext& p, const char* const (&lines)[N]) {
    for (const char* line : lines) p.con.line(ListLine() << line);
}

void show_dose_menu(const RunContext& p, const char* first_item) {
    p.con.line(ListLine() << "      SELECT DOSE TYPE");
    p.con.line(ListLine() << first_item);
    show_lines(p, kDoseMenuTail);
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
        if (menu == DoseMenu::Flight) {
            p.con.line(" ");
            show_dose_menu(p, "      <1> SECONDARY PARTICLE FLUENCE");
        } else {
            show_dose_menu(p, "      <1> Secondary Particle Flux (Any rad but TOTAL)");
        }
        auto q = read_kb_integer(p);
        if (q && *q >= 1 && *q <= 8) return static_cast<int>(*q);
        cls(p);
        p.con.line(ListLine() << "      Entry must be 1 to 8 ");
    }
}

}  // namespace tolv7
