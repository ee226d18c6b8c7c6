#pragma once
// Timestamped log of a simulator: one line per event,
// "<seconds since start, ms precision> <what> <detail>", flushed at once so
// tests can read it while the simulator runs. Kept in memory as well, for the
// control channel's "log" command.

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

class sim_log {
  public:
    explicit sim_log(const std::string& path);
    ~sim_log();
    void write(const std::string& what, const std::string& detail);
    const std::vector<std::string>& lines() const { return lines_; }
    void clear() { lines_.clear(); }
    double seconds() const;

  private:
    std::FILE* file_ = nullptr;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::vector<std::string> lines_;
};
