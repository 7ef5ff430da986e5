// zorhost's peak memory: a macro played by a zorhost of its own.
#ifndef KFA_BENCH_ZORHOST_PEAK_H
#define KFA_BENCH_ZORHOST_PEAK_H

#include <filesystem>

// Plays `macro` with the zorhost `program`, without its progress line, and
// returns that process's peak resident memory in KiB. Throws
// std::runtime_error when zorhost cannot start or fails.
long zorhostPeakKiB(const char* program, const std::filesystem::path& macro);

#endif
