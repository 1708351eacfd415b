#include "ratio_reporter.h"

#include <cstdio>

namespace {

std::string Key(const benchmark::BenchmarkReporter::Run &run) {
  const auto &name = run.run_name;
  return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

std::string Time(double ns) {
  char buf[32];
  if (ns >= 1e6)
    std::snprintf(buf, sizeof buf, "%.2f ms", ns / 1e6);
  else if (ns >= 1e3)
    std::snprintf(buf, sizeof buf, "%.2f us", ns / 1e3);
  else
    std::snprintf(buf, sizeof buf, "%.0f ns", ns);
  return buf;
}

}  // namespace

RatioReporter::RatioReporter(std::vector<Ratio> ratios, std::vector<Growth> growths, double target)
    : ratios_(std::move(ratios)), growths_(std::move(growths)), target_(target) {}

void RatioReporter::ReportRuns(const std::vector<Run> &runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run &run : runs) {
    if (run.error_occurred) continue;
    Figure figure;
    figure.ns = run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
    for (const auto &[name, counter] : run.counters) figure.counters[name] = counter.value;
    if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
      median_[Key(run)] = figure;
    else if (run.run_type == Run::RT_Iteration && run.repetitions <= 1)
      single_[Key(run)] = figure;
  }
}

const RatioReporter::Figure *RatioReporter::Find(const std::string &name) const {
  if (auto it = median_.find(name); it != median_.end()) return &it->second;
  if (auto it = single_.find(name); it != single_.end()) return &it->second;
  return nullptr;
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::FILE *out = stdout;
  std::fprintf(out, "\n%-56s %12s %12s %7s  %s\n", "measure (program / bare baseline)", "program",
               "baseline", "ratio", "target");
  std::fprintf(out, "%s\n", std::string(104, '-').c_str());
  for (const Ratio &r : ratios_) {
    const Figure *p = Find(r.program);
    const Figure *b = Find(r.baseline);
    double pv = 0, bv = 0;
    bool found = p && b;
    if (found && r.counter.empty()) {
      pv = p->ns;
      bv = b->ns;
    } else if (found) {
      const auto pc = p->counters.find(r.counter), bc = b->counters.find(r.counter);
      found = pc != p->counters.end() && bc != b->counters.end();
      if (found) pv = pc->second, bv = bc->second;
    }
    if (!found || bv <= 0) {
      std::fprintf(out, "%-56s %12s %12s %7s  (not measured)\n", r.what.c_str(), "-", "-", "-");
      continue;
    }
    char pText[32], bText[32];
    if (r.counter.empty()) {
      std::snprintf(pText, sizeof pText, "%s", Time(pv).c_str());
      std::snprintf(bText, sizeof bText, "%s", Time(bv).c_str());
    } else {
      std::snprintf(pText, sizeof pText, "%.1f %s", pv, r.counter == "peak_MB" ? "MB" : "");
      std::snprintf(bText, sizeof bText, "%.1f %s", bv, r.counter == "peak_MB" ? "MB" : "");
    }
    const double ratio = pv / bv;
    std::fprintf(out, "%-56s %12s %12s %7.2f  %s\n", r.what.c_str(), pText, bText, ratio,
                 ratio <= target_ ? "met" : "MISSED");
  }
  for (const Growth &g : growths_) {
    const Figure *s = Find(g.name + "/" + std::to_string(g.small));
    const Figure *l = Find(g.name + "/" + std::to_string(g.large));
    if (!s || !l) {
      std::fprintf(out, "%-56s %12s %12s %7s  (not measured)\n", g.what.c_str(), "-", "-", "-");
      continue;
    }
    const double perSmall = s->ns / g.small, perLarge = l->ns / g.large;
    const double growth = perLarge / perSmall;
    std::fprintf(out, "%-56s %9s/ea %9s/ea %7.2f  %s\n", g.what.c_str(), Time(perLarge).c_str(),
                 Time(perSmall).c_str(), growth, growth <= target_ ? "linear" : "MISSED");
  }
  std::fprintf(out, "ratio target: %.2f or under; growth: time per entry at %s over at %s\n",
               target_, "100,000", "1,000 entries");
}
