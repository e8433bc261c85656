#include "runs/flight_run_start.hpp"

#include "app/file_picker.hpp"
#include "app/free_form.hpp"
#include "app/program.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "runs/flight_files.hpp"

namespace tolv7 {

QuietDiagnostics::QuietDiagnostics(Program& p) : p_(p), diagall_(p.set.init.diag) { p.set.init.diag = "NO!"; }

QuietDiagnostics::~QuietDiagnostics() { p_.set.init.diag = diagall_; }

FlightRunStart start_flight_run(Program& p, const std::string& type) {
    FlightRunStart run;
    if (p.set.init.menus == "NO!") {
        run.options = batch_flight_options(p);
    } else {
        PickOutcome picked = pick_infile(p, type);
        if (picked.result != PickResult::Picked) {
            run.leave = picked.result == PickResult::MainMenu ? NextMenu::Main : NextMenu::Same;
            return run;
        }
        run.options = pick_flt_options(p);
        run.options.input_name = pad_to(picked.name, 30);
    }
    auto count = pick_flt_files(p, run.options.input_name);
    if (!count) return run;
    run.started = true;
    run.count = *count;
    return run;
}

std::string next_listed_file(std::istream& list) {
    auto name = read_free(list, 1);
    if (!name) stop_file_error("FILELIST.TXT", "lists fewer files than the run was started for");
    return name->text(0, 30);
}

}  // namespace tolv7
