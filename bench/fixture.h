// What the benchmarks share: the answers the stand-in library gives, the gateway lists and
// messages they are made of, and the two programs' windows.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "stub_answer.h"

// Sets what GetGatewayList / SendSms answer from now on. The bytes must outlive the calls.
void SetStubAnswer(StubEntry entry, const std::string &bytes, bool counted);

// How many times the library was asked for entry since the last SetStubAnswer of it.
long StubCalls(StubEntry entry);

// A gateway list of n entries in code page 936, each ended by CR LF: a 16-character name
// padded with spaces, then a Chinese description.
std::string GatewayList(int n);

// The same entries as wide text, as the list shows them.
QStringList GatewayEntries(int n);

// A message of at least `bytes` bytes in code page 936 (line breaks counted as CR LF):
// lines of Chinese and digits, each ended by lineBreak.
QString LongMessage(std::size_t bytes, const QString &lineBreak);

// The path of the stand-in library beside the benchmark program.
std::string StubLibraryPath();
