// Whether a file is mapped into a process, read from /proc/PID/maps.
#pragma once

#include <sys/types.h>

#include <string>

// True when some mapping of the process comes from a file whose path ends with
// fileName (a bare name like "qolvix_sms.dll" or a whole path).
bool IsFileMapped(const std::string &fileName, pid_t pid = 0);
