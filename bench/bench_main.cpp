// The benchmarks of both programs against their bare baselines; prints Google Benchmark's
// report and then the table of ratios. Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include "TApplication.h"
#include "ratio_reporter.h"

int main(int argc, char **argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // loaddemo's Application, which also starts Qt for decldemo's window.
  TApplication application(argc, argv);
  application.Initialize();

  std::vector<RatioReporter::Ratio> ratios;
  for (const char *program : {"decldemo", "loaddemo"})
    for (const char *n : {"10", "1000", "100000"})
      ratios.push_back({std::string("refresh ") + n + " entries: " + program + " / addItems",
                        std::string("refresh/") + program + "/" + n,
                        std::string("refresh/addItems/") + n, ""});
  for (const char *entry : {"GetGatewayList", "SendSms"})
    ratios.push_back({std::string("load+call+copy+unload ") + entry + ": loaddemo / dlopen",
                      std::string("load_call/loaddemo/") + entry,
                      std::string("load_call/dlopen/") + entry, ""});
  ratios.push_back(
      {"send 1 MB message: decldemo / iconv", "send_1MB/decldemo", "send_1MB/iconv", ""});
  for (const char *program : {"decldemo", "loaddemo"}) {
    ratios.push_back({std::string("start-up to first paint: ") + program + " / label",
                      std::string("startup/") + program, "startup/label_window", ""});
    ratios.push_back({std::string("peak memory: ") + program + " / label",
                      std::string("startup/") + program, "startup/label_window", "peak_MB"});
  }
  std::vector<RatioReporter::Growth> growths;
  for (const char *program : {"addItems", "decldemo", "loaddemo"})
    growths.push_back({std::string("refresh growth per entry: ") + program,
                       std::string("refresh/") + program, 1000, 100000});

  RatioReporter reporter(ratios, growths, 1.2);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
