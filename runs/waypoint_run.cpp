#include "runs/waypoint_run.hpp"

#include <fstream>
#include <functional>
#include <optional>

#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/dose_labels.hpp"
#include "runs/flight_run_start.hpp"
#include "runs/flight_status.hpp"
#include "runs/run_context.hpp"
#include "runs/stop_context.hpp"
#include "runs/waypoint_dose.hpp"

namespace tolv7 {

namespace {

void put(std::ostream& file, const std::string& line) { file << line << '\n'; }

std::ofstream create(const std::string& name) {
    return open_created(name);
}

// One waypoint file into its .SUM and .DAT; the reason it was skipped, if it was.
std::optional<std::string> run_deg_file(const RunContext& p, const FlightOptions& o, const std::string& filename,
                                        int number, int count) {
    std::ifstream in = open_flight_file(p, filename, number, count);
    auto sum_name = result_file_name(p, filename, ".SUM");
    auto dat_name = sum_name ? result_file_name(p, filename, ".DAT") : std::nullopt;
    if (!dat_name) return "WOULD BE ITS OWN RESULT FILE";
    std::ofstream sum = create(*sum_name);
    std::ofstream dat = create(*dat_name);
    put(dat, ListLine() << " LAT(N)   LON(E)   DEPTH   STEP  DOSE RATE  TOTAL DOSE");

    WaypointDose f;
    try {
        p.log.current_item = trim_right(filename);
        f = deg_flt_dose(p, in, trim_right(filename), dat, o.run_date, o.takeoff, o.particle, o.quantity);
        p.log.current_item.clear();
    } catch (const ProgramStop& stop) {
        rethrow_naming(stop, trim_right(filename));
    }
    if (f.status == FlightStatus::Computed) {
        std::string model = waypoint_model_line(p);
        std::string date = ListLine() << "DATE: " << pad_to(f.date, 10) << " HOUR: " << o.takeoff;
        std::string total = waypoint_total_line(f.total, o.particle, o.quantity);
        put(sum, ListLine() << "FLIGHT FROM " + filename);
        put(sum, model);
        put(sum, date);
        put(dat, model);
        put(dat, date);
        put(sum, total);
        put(dat, total);
    } else {
        put(dat, badstr(f.status));
        put(sum, badstr(f.status));
    }
    in.close();
    close_checked(sum, *sum_name);
    close_checked(dat, *dat_name);
    if (f.status == FlightStatus::Computed) p.con.line(ListLine() << "FINISHED " << filename);
    p.con.line(ListLine() << "Finished reports for " << filename);
    if (f.status == FlightStatus::Computed) return std::nullopt;
    return skip_reason(f.status, "line " + std::to_string(f.line));
}

}  // namespace

std::string waypoint_model_line(const RunContext& p) {
    return " GCR MODEL" + fmt_i(p.set.ini.gcr_model, 4) + "  TRANSPORT AND CUTOFFS: " + p.set.nvc_tf.ch +
           "   SUPERPOSITION:" + fmt_i(p.set.ini.superposition, 4);
}

std::string waypoint_total_line(double total, int particle, int quantity) {
    std::string label(39, ' ');
    dkstr(label, quantity);
    return fmt_e(total, 11, 4) + " " + partstr(particle) + " " + "   " + label;
}

NextMenu rundeg(const RunContext& p) {
    QuietDiagnostics quiet(p.set.init);
    FlightRunStart run = run_counted_files(p, "DEG", "waypoint files", std::bind_front(run_deg_file, std::ref(p)));
    if (!run.started) return run.leave;
    p.con.line(ListLine() << "Finished all" << run.count << " requested DEG files");
    return NextMenu::Main;
}

}  // namespace tolv7
