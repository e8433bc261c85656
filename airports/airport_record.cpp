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

void put_field(std::string& record, RecordField f, const std::string& text) {
    auto width = static_cast<std::size_t>(f.width());
    if (record.size() < static_cast<std::size_t>(f.last)) record = pad_to(record, static_cast<std::size_t>(f.last));
    record.replace(static_cast<std::size_t>(f.first - 1), width, pad_to(text, width));
}

std::string elevation_tenths_text(int feet) {
    if (feet < 0) return "-" + fmt_i(-feet, 4, 4) + "0";
    return fmt_i(feet, 5, 5) + "0";
}

}  // namespace tolv7
