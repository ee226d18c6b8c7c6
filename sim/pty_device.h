#pragma once
// A pseudo-terminal standing in for a serial device. The slave side is
// reached through a symlink (for example a Wine prefix's dosdevices/com5);
// the simulator talks on the master side. The simulator keeps a slave
// descriptor of its own open so that the pair survives a client closing and
// reopening the port.

#include <string>
#include <termios.h>

class pty_device {
  public:
    pty_device() = default;
    pty_device(const pty_device&) = delete;
    pty_device& operator=(const pty_device&) = delete;
    ~pty_device();

    // Opens the pair, makes the line raw, and links `link_path` to the slave.
    // With flow control (set_flow_control before open), the line is left with
    // XON/XOFF and RTS/CTS switched on, as another program may leave a port.
    // Returns an error text, empty on success.
    std::string open(const std::string& link_path);
    void set_flow_control(bool on) { flow_control_ = on; }

    // Pulls the device out: the pair is closed and the link removed, as when
    // an adapter is unplugged. open() plugs a new one in at the same link.
    void unplug();
    const std::string& link() const { return link_path_; }

    int master_fd() const { return master_; }
    const std::string& slave_path() const { return slave_path_; }

    // The line settings as the client last set them.
    bool line_settings(termios* out) const;

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slave_path_;
    std::string link_path_;
    bool flow_control_ = false;
};

// "speed 19200 bits 8 parity none stop 1 flow none" (or "flow xon/xoff",
// "flow rts/cts", "flow xon/xoff rts/cts")
std::string describe_line(const termios& t);

// The speed of the line in bit/s (0 when unknown).
long line_speed(const termios& t);
