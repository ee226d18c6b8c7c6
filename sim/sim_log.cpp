#include "sim_log.h"

sim_log::sim_log(const std::string& path) {
    if (!path.empty())
        file_ = std::fopen(path.c_str(), "w");
}

sim_log::~sim_log() {
    if (file_)
        std::fclose(file_);
}

double sim_log::seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void sim_log::write(const std::string& what, const std::string& detail) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.3f", seconds());
    std::string line = std::string(stamp) + " " + what + " " + detail;
    lines_.push_back(line);
    if (file_) {
        std::fprintf(file_, "%s\n", line.c_str());
        std::fflush(file_);
    }
}
