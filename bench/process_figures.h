// What a benchmark reads about its own process: CPU seconds used so far
// and a memory figure of /proc/self/status ("VmHWM:", "VmRSS:") in KiB.
#pragma once

#include <sys/resource.h>

#include <cstdlib>
#include <fstream>
#include <string>

inline double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline long statusKiB(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + std::string(key).size());
  return 0;
}
