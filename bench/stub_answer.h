// How the benchmarks' stand-in SMS library learns what to answer: the benchmark program
// exports QolvixBenchAnswer, and the library looks it up in the program when it answers.
// Keeps the library's own work to a copy at most, so that what is measured is the program.
#pragma once

#include <cstdint>

struct StubAnswer {
  const char *bytes = "";
  std::uint32_t size = 0;
  // true: a new counted string per call (decldemo takes it over and releases it);
  // false: the bytes themselves, as a library's own memory (loaddemo only copies it).
  bool counted = false;
};

enum StubEntry { kStubGatewayList = 0, kStubSendSms = 1 };

using StubAnswerFn = const StubAnswer *(*)(int entry);
#define QOLVIX_BENCH_ANSWER "QolvixBenchAnswer"
