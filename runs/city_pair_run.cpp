#include "runs/city_pair_run.hpp"

#include <fstream>
#include <functional>

#include "app/conversions.hpp"
#include "app/fortran_format.hpp"
#include "app/program_stop.hpp"
#include "app/text_lines.hpp"
#include "engine/dose_labels.hpp"
#include "runs/big_flight_dose.hpp"
#include "runs/big_flight_report.hpp"
#include "runs/flight_run_start.hpp"
#include "runs/flight_status.hpp"
#include "runs/run_context.hpp"
#include "runs/skip_tally.hpp"
#include "runs/stop_context.hpp"

namespace tolv7 {

namespace {

const char kReportFile[] = "TOLV-7.RPT";

void put(std::ostream& file, const std::string& line) { file << line << '\n'; }

// All flights of one input file into its .OUT file and the report.
void run_big_file(const RunContext& p, const FlightOptions& o, const std::string& filename, int number, int count) {
    std::ifstream in = open_flight_file(p, filename, number, count);
    auto out_name = result_file_name(p, filename, ".OUT");
    if (!out_name) return;
    std::ofstream report = open_created(kReportFile, std::ios::app);
    put(report, ListLine() << "======> " + filename);
    std::ofstream out = open_created(*out_name);
    put(out, ListLine() << "FLIGHTS FROM " + filename);
    put(out, ListLine() << "PARTICLE " << o.particle << " DOSEKIND" << o.quantity);
    put(out, ListLine() << "GCR MODEL " << p.set.ini.gcr_model << " SUPERPOSITION " << p.set.ini.superposition
                        << " YMD " << pad_to(o.run_date, 10));
    flush_checked(out, *out_name);
    flush_checked(report, kReportFile);

    FlightFile flights{in, trim_right(filename)};
    SkipGroup& tally = p.runs.skips.begin(flights.name, "flights");
    for (;;) {
        BigFlightDose f;
        try {
            f = big_flt_dose(p, flights, o.run_date, o.takeoff, o.particle, o.quantity);
        } catch (const ProgramStop& stop) {
            rethrow_naming(stop, flights.name + ", flight \"" + flights.flight + "\"");
        }
        if (f.status == FlightStatus::Computed) {
            tally.computed();
            put(out, big_result_line(f.record, f.dose, o.particle, o.quantity));
            flush_checked(out, *out_name);
            p.con.line(ListLine() << "FINISHED " << f.record.name);
            if (p.set.ini.report == 1)
                big_flt_rpt(p, report, f.record.name, f.record.origin, f.record.destination, f.date, f.dose,
                            o.quantity);
        } else {
            put(out, badstr(f.status));
            if (f.status != FlightStatus::EndOfFile) put(report, badstr(f.status));
            // The end of the file is no flight, unless it cut a record short.
            if (f.status != FlightStatus::EndOfFile || !f.detail.empty())
                p.con.line(tally.skipped(flight_item(flights, f.record), skip_reason(f.status, f.detail)));
        }
        // Each flight reaches the disk before the next is computed.
        flush_checked(out, *out_name);
        flush_checked(report, kReportFile);
        if (f.status == FlightStatus::EndOfFile) break;
    }
    p.log.current_item.clear();
    close_checked(out, *out_name);
    in.close();
    close_checked(report, kReportFile);
    p.log.line(ListLine() << "AT END OF FILE");
    p.con.line(ListLine() << " Finished " << filename);
}

}  // namespace

std::string big_result_line(const BigFlightRecord& r, double dose, int particle, int quantity) {
    std::string label(39, ' ');
    dkstr(label, quantity);
    return pad_to(r.name, 30) + " " + pad_to(r.origin, 6) + " " + pad_to(r.destination, 6) + " " +
           fmt_e(dose, 11, 4) + " " + "   " + label + " " + partstr(particle);
}

NextMenu runbig(const RunContext& p) {
    QuietDiagnostics quiet(p.set.init);
    FlightRunStart run = run_listed_files(p, "BIG", std::bind_front(run_big_file, std::ref(p)));
    return run.started ? NextMenu::Main : run.leave;
}

}  // namespace tolv7
