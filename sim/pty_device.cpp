#include "pty_device.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

pty_device::~pty_device() {
    unplug();
}

void pty_device::unplug() {
    if (!link_path_.empty())
        ::unlink(link_path_.c_str());
    if (slave_ >= 0)
        ::close(slave_);
    if (master_ >= 0)
        ::close(master_);
    slave_ = master_ = -1;
}

std::string pty_device::open(const std::string& link_path) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return std::string("posix_openpt: ") + std::strerror(errno);
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return std::string("grantpt/unlockpt: ") + std::strerror(errno);
    const char* name = ::ptsname(master_);
    if (!name)
        return "ptsname failed";
    slave_path_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0)
        return std::string("open slave: ") + std::strerror(errno);

    termios t;
    if (::tcgetattr(slave_, &t) != 0)
        return std::string("tcgetattr: ") + std::strerror(errno);
    // Raw, but with line settings no program of ours asks for (1200 bit/s,
    // 7 bits, even parity, 2 stop bits), so a test can tell that the program
    // set its own.
    ::cfmakeraw(&t);
    t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB;
    ::cfsetispeed(&t, B1200);
    ::cfsetospeed(&t, B1200);
    if (flow_control_) {
        t.c_iflag |= IXON | IXOFF;
        t.c_cflag |= CRTSCTS;
    }
    if (::tcsetattr(slave_, TCSANOW, &t) != 0)
        return std::string("tcsetattr: ") + std::strerror(errno);

    ::unlink(link_path.c_str());
    if (::symlink(name, link_path.c_str()) != 0)
        return "symlink " + link_path + ": " + std::strerror(errno);
    link_path_ = link_path;
    return "";
}

bool pty_device::line_settings(termios* out) const {
    return slave_ >= 0 && ::tcgetattr(slave_, out) == 0;
}

namespace {
long speed_value(speed_t s) {
    switch (s) {
    case B1200:
        return 1200;
    case B2400:
        return 2400;
    case B4800:
        return 4800;
    case B9600:
        return 9600;
    case B19200:
        return 19200;
    case B38400:
        return 38400;
    case B57600:
        return 57600;
    case B115200:
        return 115200;
    default:
        return -1;
    }
}
} // namespace

std::string describe_line(const termios& t) {
    int bits = 0;
    switch (t.c_cflag & CSIZE) {
    case CS5:
        bits = 5;
        break;
    case CS6:
        bits = 6;
        break;
    case CS7:
        bits = 7;
        break;
    default:
        bits = 8;
        break;
    }
    const char* parity = !(t.c_cflag & PARENB) ? "none" : (t.c_cflag & PARODD) ? "odd" : "even";
    std::string flow;
    if (t.c_iflag & (IXON | IXOFF))
        flow += " xon/xoff";
    if (t.c_cflag & CRTSCTS)
        flow += " rts/cts";
    return "speed " + std::to_string(line_speed(t)) + " bits " + std::to_string(bits) + " parity " +
           parity + " stop " + ((t.c_cflag & CSTOPB) ? "2" : "1") + " flow" +
           (flow.empty() ? " none" : flow);
}

long line_speed(const termios& t) {
    return speed_value(cfgetospeed(&t));
}
