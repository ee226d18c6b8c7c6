#pragma once
// The audit file a batch appends to: each line on the disk before the next
// card is touched.

#include <cstdio>
#include <string>

class audit_file {
  public:
    audit_file() = default;
    audit_file(const audit_file&) = delete;
    audit_file& operator=(const audit_file&) = delete;
    ~audit_file();

    // Opens `path` to append to: the header first when it is new or empty;
    // a last line without its line end is ended first, with `cut_mark` after
    // it ("" for a line that is whole). False with *why.
    bool open(const std::string& path, const char* header, const char* cut_mark, std::string* why);

    // One line, written, flushed and synced; false with *why.
    bool append(const std::string& line, std::string* why);

  private:
    std::FILE* file_ = nullptr;
};
