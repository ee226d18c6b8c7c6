#include "control_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

control_server::~control_server() {
    for (auto& c : clients_)
        ::close(c.fd);
    if (listen_fd_ >= 0)
        ::close(listen_fd_);
}

std::string control_server::listen(int port) {
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listen_fd_ < 0)
        return std::string("socket: ") + std::strerror(errno);
    int one = 1;
    ::setsockopt(listen_fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::bind(listen_fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
        return std::string("bind: ") + std::strerror(errno);
    if (::listen(listen_fd_, 4) != 0)
        return std::string("listen: ") + std::strerror(errno);
    socklen_t len = sizeof a;
    ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    return "";
}

std::vector<int> control_server::fds() const {
    std::vector<int> v{listen_fd_};
    for (auto& c : clients_)
        v.push_back(c.fd);
    return v;
}

std::vector<std::string> split_words(const std::string& line) {
    std::vector<std::string> words;
    std::string w;
    for (char ch : line) {
        if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') {
            if (!w.empty())
                words.push_back(w);
            w.clear();
        } else {
            w += ch;
        }
    }
    if (!w.empty())
        words.push_back(w);
    return words;
}

void control_server::serve(int fd, const handler& h) {
    if (fd == listen_fd_) {
        int c = ::accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (c >= 0)
            clients_.push_back({c, ""});
        return;
    }
    for (std::size_t i = 0; i < clients_.size(); ++i) {
        if (clients_[i].fd != fd)
            continue;
        char buf[4096];
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0) {
            ::close(fd);
            clients_.erase(clients_.begin() + static_cast<long>(i));
            return;
        }
        clients_[i].pending.append(buf, static_cast<std::size_t>(n));
        std::size_t nl;
        while ((nl = clients_[i].pending.find('\n')) != std::string::npos) {
            std::string line = clients_[i].pending.substr(0, nl);
            clients_[i].pending.erase(0, nl + 1);
            std::vector<std::string> out;
            std::string err = h(split_words(line), &out);
            std::string answer;
            for (auto& l : out)
                answer += l + "\n";
            answer += err.empty() ? "ok\n" : "error: " + err + "\n";
            const char* p = answer.data();
            std::size_t left = answer.size();
            while (left > 0) {
                ssize_t w = ::write(fd, p, left);
                if (w <= 0)
                    break;
                p += w;
                left -= static_cast<std::size_t>(w);
            }
        }
        return;
    }
}
