#pragma once
// The lines of one dose computation: the check log's fixed lines and times,
// and with the trace on (test 1) the detailed trace in DIAGNOSE/DIAGDAP.DAT
// and the progress lines on the console. DIAGDAP.DAT holds the last
// computation's lines only: they are gathered while it runs and the file is
// written over when it ends, or when a stop leaves it early. The check log's
// lines of a computation are left out once the log has grown past its limit
// for per-call lines (one line says from which computation on).
#include <span>
#include <string>

#include "app/check_log.hpp"
#include "app/console.hpp"
#include "engine/dose_fold.hpp"
#include "engine/file_rewrite.hpp"

namespace tolv7 {

// The arguments of one dose computation, as the start and end lines show
// them.
struct DoseCall {
    double latitude = 0.0;
    double longitude = 0.0;
    double depth = 0.0;
    double date = 0.0;
    int dose_kind = 0;
    int gcr_model = 0;
    int test = 0;
    int superposition = 0;
};

// What the trace line of each bin shows besides the bin itself.
struct BinTraceContext {
    double skycut = 0.0;      // the cutoff of the sky band (GV)
    double vcut = 0.0;        // the vertical cutoff of the place (GV)
    double weight = 0.0;      // the sky weight W of the fold
    double zenith = 0.0;      // the zenith step (degrees)
    int dose_kind = 0;
    double depth = 0.0;       // g/cm2
    double depth_used = 0.0;  // the depth of the coefficients
};

class DoseTrace {
public:
    // Opens `dap` at `dap_path` for this computation and starts its clock.
    DoseTrace(CheckLog& log, Console& con, RewrittenFile& dap, const std::string& dap_path, bool trace);
    // A stop inside the computation leaves this call's lines in the file,
    // not the previous call's.
    ~DoseTrace();
    DoseTrace(const DoseTrace&) = delete;
    DoseTrace& operator=(const DoseTrace&) = delete;

    bool on() const { return trace_; }

    // The call as given (the longitude before it is normalised).
    void starting(const DoseCall& call);
    // The processor time since the previous lap (or the start) under `title`
    // in the check log, and with `traced` in the trace too.
    void lap(const char* title, bool traced = false);
    // The spectrum as the fold uses it: energy and flux, 27 x 100 each.
    void spectrum(std::span<const double> energy, std::span<const double> flux);
    void filters(double vcut, double skycut, double skypass, double skyweight);
    void forbush(double factor);
    void calculating();
    void dose_kind_outside(int dose_kind);
    void bin(const FoldStep& step, const BinTraceContext& context);
    // The end lines with the longitude as used and the rate; writes
    // DIAGDAP.DAT (a failure stops the program).
    void finished(const DoseCall& call, double rate);

private:
    void traced_line(const std::string& text);
    CheckLog& log_;
    Console& con_;
    RewrittenFile& dap_;
    bool trace_;
    float entry_;
    float last_lap_;
};

}  // namespace tolv7
