// The console report of Google Benchmark, followed by a table of ratios: each program's
// figure over its bare baseline's, measured side by side in the same run (the median of
// the repetitions where there are several).
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Ratio {
    std::string what;      // the row's label
    std::string program;   // benchmark name, e.g. "refresh/decldemo/1000"
    std::string baseline;  // benchmark name of the bare baseline
    std::string counter;   // a counter to compare instead of the time; "" for the time
  };
  // Growth from `small` to `large` entries, per entry: 1.00 is linear.
  struct Growth {
    std::string what;
    std::string name;  // benchmark name without the entry count, e.g. "refresh/decldemo"
    int small;
    int large;
  };

  RatioReporter(std::vector<Ratio> ratios, std::vector<Growth> growths, double target);

  void ReportRuns(const std::vector<Run> &runs) override;
  void Finalize() override;

 private:
  struct Figure {
    double ns = 0;
    std::map<std::string, double> counters;
  };
  const Figure *Find(const std::string &name) const;

  std::vector<Ratio> ratios_;
  std::vector<Growth> growths_;
  double target_;
  std::map<std::string, Figure> single_;  // runs without repetitions
  std::map<std::string, Figure> median_;  // medians of repetitions
};
