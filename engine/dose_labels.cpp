#include "engine/dose_labels.hpp"

#include "engine/engine_context.hpp"

namespace tolv7 {

namespace {

const char* const kDoseLabel[8] = {
    " p/sq.cm, secondary particle fluence   ", " microSv, ICRP Pub. 103 EFFECTIVE DOSE ",
    " microSv, ICRP Pub. 60 EFFECTIVE DOSE  ", " microSv, ICRU AMBIENT DOSE EQ. H(*10) ",
    " microGy, AVE WHOLE-BODY ABSORBED DOSE ", " microGy, ABSORBED DOSE IN 0.5mm Si    ",
    " microGy, ABSORBED DOSE IN 0.3mm Si    ", " counts, NM-64 TUBE (BF3)              ",
};

const char* const kRateLabel[8] = {
    " particles/sq.cm/sec, SECONDARY FLUX      ", " microSv/hr, ICRP Pub. 103 EFFECTIVE DOSE ",
    " microSv/hr, ICRP Pub. 60 EFFECTIVE DOSE  ", " microSv/hr, ICRU AMBIENT DOSE EQ. H(*10) ",
    " microGy/hr, AVE WHOLE-BODY ABSORBED DOSE ", " microGy/hr, ABSORBED DOSE IN 0.5mm Si    ",
    " microGy/hr, ABSORBED DOSE IN 0.3mm Si    ", " counts/hr, NM-64 TUBE (BF3)              ",
};

const char* const kNote[8] = {
    "                ", ", ICRP Pub. 103 ", ", ICRP Pub. 60  ", ", ICRU  H(*10)  ",
    ", WHOLE-BODY AVE", ", 0.5mm Si      ", ", 0.3mm Si      ", ", NM-64 BF3 TUBE",
};

const char* const kUnits[8] = {
    " particles/cm/cm", " millisieverts) ", " millisieverts) ", " millisieverts) ",
    " milligray)     ", " milligray)     ", " milligray)     ", " unnormal counts",
};

bool valid(int q) { return q >= 1 && q <= 8; }

}  // namespace

void dkstr(std::string& text, int q) {
    if (valid(q)) text = kDoseLabel[q - 1];
}

void drkstr(std::string& text, int q) {
    if (valid(q)) text = kRateLabel[q - 1];
}

std::string kept_quantity_text(std::string& kept, const char* const (&table)[8], int q) {
    if (valid(q)) kept = table[q - 1];
    return kept;
}

std::string dknotes(const EngineContext& p, int q) { return kept_quantity_text(p.engine.kept_note, kNote, q); }

std::string dkunits2(const EngineContext& p, int q) { return kept_quantity_text(p.engine.kept_units, kUnits, q); }

}  // namespace tolv7
