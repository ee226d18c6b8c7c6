#include "audit_file.h"

#include "companion_texts.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#ifdef _WIN32
#include <io.h> // _commit: the C runtime's, not a Windows header
#else
#include <unistd.h>
#endif

namespace {
std::string reason() {
    return errno ? std::strerror(errno) : qtext(QT_FILE_REFUSED);
}

// The file's contents on the disk, not only in the system's cache.
bool synced(std::FILE* f) {
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}
} // namespace

audit_file::~audit_file() {
    if (file_)
        std::fclose(file_);
}

bool audit_file::open(const std::string& path, const char* header, const char* cut_mark,
                      std::string* why) {
    char last = '\n'; // of what the file holds: none counts as a line ended
    bool empty = true;
    {
        std::ifstream before(path, std::ios::binary | std::ios::ate);
        if (before && before.tellg() > 0) {
            empty = false;
            before.seekg(-1, std::ios::end);
            before.get(last);
        }
    }
    errno = 0;
    file_ = std::fopen(path.c_str(), "a");
    if (!file_) {
        *why = reason();
        return false;
    }
    // A last line without its line end gets one, marked as cut short when
    // it is: either way the next line starts a line of its own.
    if (last != '\n' && !append(cut_mark, why))
        return false;
    return !empty || append(header, why);
}

bool audit_file::append(const std::string& line, std::string* why) {
    errno = 0;
    const std::string whole = line + "\n"; // a text file: "\r\n" on Windows
    if (std::fwrite(whole.data(), 1, whole.size(), file_) != whole.size() ||
        std::fflush(file_) != 0 || !synced(file_)) {
        *why = reason();
        return false;
    }
    return true;
}
