// The serial device seam on Linux and other POSIX systems: termios, with the
// read time-outs of the Windows side (a read returns 50 ms after the last
// byte, or 50 + 10 ms a byte of the buffer after it began when nothing came).
#include "serial.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/poll.h> // not <poll.h>: the card writer has a header of that name
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {

long long now_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

speed_t speed_code(unsigned speed) {
    switch (speed) {
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    default:
        return B0;
    }
}

bool apply_line(int fd, const line_settings& line) {
    termios t{};
    const speed_t speed = speed_code(line.speed);
    if (speed == B0 || tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    cfsetispeed(&t, speed);
    cfsetospeed(&t, speed);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | (line.data_bits == 7 ? CS7 : CS8);
    if (line.parity)
        t.c_cflag |= PARENB;
    if (line.stop_bits == 2)
        t.c_cflag |= CSTOPB;
    if (line.cts_flow)
        t.c_cflag |= CRTSCTS;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    if (line.xon_xoff)
        t.c_iflag |= IXON | IXOFF;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    if (tcsetattr(fd, TCSANOW, &t) != 0)
        return false;
    // Modem lines: a pseudo-terminal has none, which is no failure.
    int bits = (line.dtr_on ? TIOCM_DTR : 0) | (line.rts_on ? TIOCM_RTS : 0);
    if (bits != 0)
        (void)ioctl(fd, TIOCMBIS, &bits);
    return true;
}

serial_open_result result_of(int error) {
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return SERIAL_NOT_PRESENT;
    case EBUSY:
        return SERIAL_IN_USE;
    case EACCES:
    case EPERM:
        return SERIAL_ACCESS_DENIED;
    default:
        return SERIAL_OPEN_FAILED;
    }
}

int fd_of(const serial_port& port) {
    return static_cast<int>(port.handle);
}
} // namespace

serial_open_outcome serial_open(serial_port& port, const char* name, const line_settings& line) {
    (void)serial_close(port);
    const int fd = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {result_of(errno), static_cast<unsigned long>(errno)};
    // Exclusive, as on Windows: another process that holds the lock has it.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return {error == EWOULDBLOCK ? SERIAL_IN_USE : SERIAL_OPEN_FAILED,
                static_cast<unsigned long>(error)};
    }
    if (!isatty(fd) || !apply_line(fd, line)) {
        const int error = errno;
        ::close(fd);
        return {SERIAL_SETTINGS_REFUSED, static_cast<unsigned long>(error)};
    }
    port.handle = fd;
    return {SERIAL_OPENED, 0};
}

bool serial_close(serial_port& port) {
    if (port.handle == SERIAL_NONE)
        return false;
    const bool closed = ::close(fd_of(port)) == 0;
    port.handle = SERIAL_NONE;
    return closed;
}

void serial_discard_input(serial_port& port) {
    if (port.handle != SERIAL_NONE)
        tcflush(fd_of(port), TCIFLUSH);
}

bool serial_write(serial_port& port, const std::uint8_t* bytes, std::size_t count) {
    if (port.handle == SERIAL_NONE)
        return false;
    const int fd = fd_of(port);
    const long long deadline = now_ms() + 50 + 10 * static_cast<long long>(count);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const long long left = deadline - now_ms();
        if (left <= 0)
            return false;
        pollfd p{fd, POLLOUT, 0};
        (void)poll(&p, 1, static_cast<int>(left));
    }
    return true;
}

bool serial_read(serial_port& port, std::uint8_t* buffer, std::size_t capacity, std::size_t* got) {
    *got = 0;
    if (port.handle == SERIAL_NONE)
        return false;
    const int fd = fd_of(port);
    const long long deadline = now_ms() + 50 + 10 * static_cast<long long>(capacity);
    while (*got < capacity) {
        const long long now = now_ms();
        long long wait = deadline - now;
        if (*got > 0 && wait > 50)
            wait = 50; // the gap after the last byte
        if (wait <= 0)
            break;
        pollfd p{fd, POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(wait));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        if (p.revents & (POLLERR | POLLNVAL))
            return false;
        const ssize_t n = ::read(fd, buffer + *got, capacity - *got);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (n <= 0) // the device went away
            return *got > 0;
        *got += static_cast<std::size_t>(n);
    }
    return true;
}
