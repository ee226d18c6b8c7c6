#include "sim_client.h"

#include <gtest/gtest.h>
#include <winsock2.h>

#include <cstdlib>
#include <sstream>

namespace {
struct winsock {
    winsock() {
        WSADATA d;
        WSAStartup(MAKEWORD(2, 2), &d);
    }
    ~winsock() { WSACleanup(); }
};

int env_int(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::atoi(v) : 0;
}
} // namespace

int sim_com() {
    return env_int("SIM_COM");
}

std::vector<std::string> sim_command(const std::string& line) {
    static winsock ws;
    std::vector<std::string> lines;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<u_short>(env_int("SIM_CONTROL_PORT")));
    if (s == INVALID_SOCKET || connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        ADD_FAILURE() << "cannot reach the simulator's control channel";
        return lines;
    }
    std::string out = line + "\n";
    send(s, out.data(), static_cast<int>(out.size()), 0);
    shutdown(s, SD_SEND); // the simulator answers, then closes when it reads the end
    std::string got;
    char buf[4096];
    for (int n; (n = recv(s, buf, sizeof buf, 0)) > 0;)
        got.append(buf, static_cast<std::size_t>(n));
    closesocket(s);
    std::istringstream in(got);
    for (std::string l; std::getline(in, l) && l != "ok";) {
        if (l.rfind("error: ", 0) == 0) {
            ADD_FAILURE() << "simulator: " << line << ": " << l;
            break;
        }
        lines.push_back(l);
    }
    return lines;
}

std::vector<std::string> sim_log_of(const std::string& kind) {
    std::vector<std::string> out;
    for (const std::string& l : sim_command("log")) {
        // "<seconds> <kind> <detail>"
        std::size_t a = l.find(' ');
        if (a == std::string::npos)
            continue;
        std::size_t b = l.find(' ', a + 1);
        if (l.compare(a + 1, b - a - 1, kind) == 0)
            out.push_back(b == std::string::npos ? "" : l.substr(b + 1));
    }
    return out;
}
