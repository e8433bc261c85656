#include "app/config.hpp"

#include <filesystem>
#include <fstream>

#include "app/app_context.hpp"
#include "app/fixed_columns.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"

namespace tolv7 {

void getini(const AppContext& p) {
    Settings& s = p.set;
    s.init = InitRecord{};
    s.ini = IniRecord{};
    s.nvc_tf = NvcTf{};

    // Without its configuration the program is not where its data are.
    std::error_code error;
    if (!std::filesystem::exists("TOLV.INI", error))
        stop_file_error("TOLV.INI", "does not exist (run tolv7 in a folder that holds its data tree, such as one "
                                    "written by make_data_tree DIR)");
    std::ifstream in = open_existing("TOLV.INI");
    std::string line;
    for (int number = 0;; ++number) {
        if (!read_line(in, line))
            stop_file_error("TOLV.INI", number == 0 ? std::string("is empty: it needs at least its END line")
                                                    : "ends after line " + std::to_string(number) +
                                                          " without its END line");
        // key in columns 1-10, separator in column 12 (11 is skipped), value 13-24
        Columns cols(line);
        std::string key = cols.text(1, 10);
        std::string sep = cols.text(12, 12);
        std::string value = cols.text(13, 24);
        p.log.line(ListLine() << key << sep << value);

        std::string two = key.substr(0, 2);
        std::string stored;
        bool matched = true;
        if (two == "VI") stored = s.init.viewer = value;
        else if (two == "OU") stored = s.init.output = value.substr(0, 4);
        else if (two == "OS") stored = s.init.os = value.substr(0, 5);
        else if (two == "DI") stored = s.init.display = value.substr(0, 3);
        else if (two == "ME") stored = s.init.menus = value.substr(0, 3);
        else if (two == "CA") {
            if (value.substr(0, 3) == "YES") s.ini.report = 1;
            p.log.line(ListLine() << key << "=" << static_cast<int>(s.ini.report));
            matched = false;
        } else matched = false;
        if (matched) p.log.line(ListLine() << key << "=" << stored);
        if (two == "EN") break;
    }
    // Whatever the file said, these hold after every reading.
    s.ini.superposition = 0;
    s.nvc_tf.flag = 0;
    s.ini.gcr_model = 4;
    s.nvc_tf.ch = '0';
}

}  // namespace tolv7
