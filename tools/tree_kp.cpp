// The Kp file: a heading line, then one line per UT day from 2018 to 2021,
// all quiet (Kp 0-3) except the storm day.
#include <array>
#include <string>

#include "app/calendar.hpp"
#include "app/fortran_format.hpp"
#include "engine/kp_layout.hpp"
#include "tools/data_tree.hpp"

namespace tolv7::tree {

namespace {

constexpr int kFirstYear = 2018;
constexpr int kLastYear = 2021;

// The storm: 26 August 2018, Kp 8 from 15 to 21 UT.
constexpr int kStormYear = 2018;
constexpr int kStormMonth = 8;
constexpr int kStormDay = 26;
constexpr std::array<int, 8> kStormKp{3, 4, 5, 6, 7, 8, 8, 6};

std::string day_line(int year, int month, int day, const std::array<int, 8>& kp) {
    static const char kMarks[3] = {' ', '+', '-'};
    KpDay line{year, month, day, {}};
    std::array<char, kKpIntervals> marks{};
    int sum = 0;
    for (std::size_t s = 0; s < kp.size(); ++s) {
        marks[s] = kp[s] == 0 ? ' ' : kMarks[(static_cast<std::size_t>(day) + s) % 3];
        line.kp[s] = kp[s];
        sum += kp[s];
    }
    return kp_day_line(line, marks, fmt_i(sum, 5) + "  SYNTHETIC DAY") + '\n';
}

}  // namespace

void write_kp_index(const fs::path& dir, const TreeOptions&) {
    std::string text = "SYNTHETIC PLANETARY KP INDEX FROM MAKE_DATA_TREE\n";
    int n = 0;
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= dimo(year, month); ++day, ++n) {
                std::array<int, 8> kp{};
                if (year == kStormYear && month == kStormMonth && day == kStormDay) {
                    kp = kStormKp;
                } else {
                    for (std::size_t s = 0; s < kp.size(); ++s)
                        kp[s] = static_cast<int>((static_cast<std::size_t>(n) * 7 + s * 5 + s * s) % 4);
                }
                text += day_line(year, month, day, kp);
            }
        }
    }
    write_text_file(dir / "KP_INDEX/KP_INDEX.TXT", text);
}

}  // namespace tolv7::tree
