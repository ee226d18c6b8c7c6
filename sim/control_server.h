#pragma once
// The control channel of a simulator: a TCP listener on 127.0.0.1 taking one
// command per line and answering with zero or more lines and then "ok" or
// "error: <why>".

#include <functional>
#include <string>
#include <vector>

class control_server {
  public:
    // handler(words, out) fills out with answer lines; returns an error text,
    // empty on success.
    using handler =
        std::function<std::string(const std::vector<std::string>&, std::vector<std::string>*)>;

    ~control_server();
    // Listens on port (0 picks a free one). Returns an error text, empty on
    // success.
    std::string listen(int port);
    int port() const { return port_; }

    // Descriptors to watch for input.
    std::vector<int> fds() const;
    // Serves whatever is ready on fd.
    void serve(int fd, const handler& h);

  private:
    struct client {
        int fd;
        std::string pending;
    };
    int listen_fd_ = -1;
    int port_ = 0;
    std::vector<client> clients_;
};

std::vector<std::string> split_words(const std::string& line);
