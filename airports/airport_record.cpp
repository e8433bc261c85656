#include "airports/airport_record.hpp"

#include "app/conversions.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

std::string field_text(const std::string& record, RecordField f) { return column_text(record, f.first, f.last); }

std::optional<int> field_int(const std::string& record, RecordField f) {
    std::string text = field_text(record, f);
    return char2int(text, f.width());
}

void put_field(std::string& record, RecordField f, const std::string& text) { put_text(record, f, text); }

bool is_end_record(const std::string& record) {
    return trim_right(field_text(record, port_col::icao)) == kEndRecordCode &&
           field_int(record, port_col::end_marker) == kEndRecordFeet;
}

std::string elevation_tenths_text(int feet) {
    if (feet < 0) return "-" + fmt_i(-feet, 4, 4) + "0";
    return fmt_i(feet, 5, 5) + "0";
}

}  // namespace tolv7
