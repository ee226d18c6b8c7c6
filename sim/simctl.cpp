// Sends one command to a simulator's control channel and prints the answer.
//
//   simctl PORT WORD...      exit 0 on "ok", 1 on "error: ...", 2 when unreachable
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: simctl PORT WORD...\n");
        return 2;
    }
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<std::uint16_t>(std::atoi(argv[1])));
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        std::fprintf(stderr, "simctl: cannot reach 127.0.0.1:%s\n", argv[1]);
        return 2;
    }
    std::string line;
    for (int i = 2; i < argc; ++i)
        line += std::string(i > 2 ? " " : "") + argv[i];
    line += "\n";
    if (::write(fd, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        return 2;

    std::string got, last;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n <= 0)
            break;
        got.append(buf, static_cast<std::size_t>(n));
        std::size_t nl;
        bool done = false;
        while ((nl = got.find('\n')) != std::string::npos) {
            last = got.substr(0, nl);
            got.erase(0, nl + 1);
            if (last == "ok" || last.rfind("error: ", 0) == 0) {
                done = true;
                break;
            }
            std::printf("%s\n", last.c_str());
        }
        if (done)
            break;
    }
    ::close(fd);
    if (last == "ok")
        return 0;
    std::fprintf(stderr, "simctl: %s\n", last.empty() ? "no answer" : last.c_str());
    return last.empty() ? 2 : 1;
}
