#include "engine/dose_trace.hpp"

#include "app/fortran_format.hpp"
#include "app/processor_time.hpp"
#include "app/program_stop.hpp"
#include "engine/shower_library.hpp"

namespace tolv7 {

namespace {

const char* const kLoading = "Loading fluence conversion coefficients";

}  // namespace

DoseTrace::DoseTrace(CheckLog& log, Console& con, RewrittenFile& dap, const std::string& dap_path, bool trace)
    : log_(log), con_(con), dap_(dap), trace_(trace), entry_(processor_seconds_single()), last_lap_(entry_) {
    dap_.open(dap_path);
}

DoseTrace::~DoseTrace() {
    if (dap_.is_open()) dap_.close();
}

void DoseTrace::traced_line(const std::string& text) {
    if (trace_) dap_ << text << '\n';
}

void DoseTrace::starting(const DoseCall& c) {
    // A computation's check-log lines are written whole or not at all.
    if (log_.begin_call() == CheckLog::PerCall::LeaveOutFirst) {
        std::string from = log_.current_item.empty() ? "" : log_.current_item + ", ";
        log_.line(ListLine() << "Check log past " + std::to_string(log_.per_call_limit) +
                                    " bytes: the lines of each dose computation are left out from " + from +
                                    "the one at T=" + list_real_text(c.date) + ", LAT " + list_real_text(c.latitude) +
                                    ", LON " + list_real_text(c.longitude) + " on");
    }
    std::string starting = ListLine() << " Starting " << c.latitude << c.longitude << c.depth << c.date << c.dose_kind
                                      << c.gcr_model << c.test << c.superposition;
    log_.call_line(starting);
    log_.call_line(ListLine() << kLoading);
    if (trace_) {
        traced_line(starting);
        con_.line(ListLine() << kLoading);
        traced_line(ListLine() << kLoading);
    }
}

void DoseTrace::lap(const char* title, bool traced) {
    const float now = processor_seconds_single();
    std::string line = ListLine() << title << static_cast<double>(now - last_lap_);
    last_lap_ = now;
    log_.call_line(line);
    if (traced) traced_line(line);
}

void DoseTrace::spectrum(std::span<const double> energy, std::span<const double> flux) {
    for (int z = 1; trace_ && z <= kFoldElements; ++z)
        for (int i = 1; i <= kFoldBins; ++i)
            traced_line(ListLine() << z << energy[fold_flux_index(z, i)] << flux[fold_flux_index(z, i)]);
}

void DoseTrace::filters(double vcut, double skycut, double skypass, double skyweight) {
    traced_line(ListLine() << "Geophysical and magnetic filters built");
    traced_line(ListLine() << " Vertical cutoff rigidity = " << vcut);
    traced_line(ListLine() << " SkyCut Skypass Skyweight");
    traced_line(ListLine() << skycut << skypass << skyweight);
}

void DoseTrace::forbush(double factor) { traced_line(ListLine() << " GCR Adjusted by " << factor << "for Forbush effects"); }

void DoseTrace::calculating() {
    if (!trace_) return;
    traced_line(ListLine() << "Calculating Dose Rate");
    con_.line(ListLine() << "Calculating Dose Rate");
}

void DoseTrace::dose_kind_outside(int dose_kind) {
    log_.line(ListLine() << "Warning, dose kind" << dose_kind
                         << (" is outside 1 to " + std::to_string(kDoseKinds) + "; the dose rate is 0"));
}

void DoseTrace::bin(const FoldStep& s, const BinTraceContext& c) {
    const BinCoefficients& k = s.coefficients;
    log_.call_line(ListLine() << "z,e,i,ii" << s.z << s.i << 1 << 1);
    log_.call_line(ListLine() << "Rigidities" << s.lr << s.ur);
    log_.call_line(ListLine() << "UE:" << s.ue << " LE:" << s.le << " LL:" << s.last_ec);
    log_.call_line(ListLine() << "Skycut" << c.skycut << "Vcut" << c.vcut);
    log_.call_line(ListLine() << "Sky " << c.weight << " afluence " << s.last_o);
    log_.call_line(ListLine() << "zenith step:" << c.zenith);
    log_.call_line(ListLine() << "flux" << s.flux << " norm" << kFoldNorm);
    log_.call_line(ListLine() << "dosekind, alt" << c.dose_kind << c.depth);
    log_.call_line(ListLine() << "Slant:" << 1.0 << " nonvertical alt:" << c.depth_used);
    log_.call_line(ListLine() << "hifix:" << k.h << " hdfix: " << 1.0);
    log_.call_line(ListLine() << "ftdcc " << k.u << " dd " << s.term << " VS " << s.sum.variance);
    log_.call_line(ListLine() << "dose=" << s.sum.rate);
    dap_ << " z,e,ftdcc,dose,flux" << fmt_i(s.z, 4) << fmt_i(s.i, 4) << fmt_e(k.u, 12, 4) << fmt_e(s.sum.rate, 12, 4)
         << fmt_e(s.flux, 12, 4) << '\n';
}

void DoseTrace::finished(const DoseCall& c, double rate) {
    std::string adjusted = ListLine() << " Adjusted Dose of type " << c.dose_kind << " is " << rate;
    if (trace_) {
        traced_line(adjusted);
        con_.line(adjusted);
    }
    log_.call_line(fmt_a(" Finished: ", 11) + fmt_e(c.latitude, 12, 4) + fmt_e(c.longitude, 12, 4) + fmt_e(c.depth, 12, 4) +
              fmt_e(c.date, 12, 4) + fmt_i(c.dose_kind, 4) + fmt_i(c.gcr_model, 4) + fmt_i(c.test, 4) +
              fmt_i(c.superposition, 4));
    log_.call_line(adjusted);
    log_.call_line(ListLine() << " Doserate calculation time in seconds." << static_cast<double>(processor_seconds_single() - entry_));
    if (!dap_.close()) stop_unwritable(dap_.path());
}

}  // namespace tolv7
