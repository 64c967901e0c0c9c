// The server under abuse: a control client that never reads its answers, and
// more connections than the file-descriptor limit allows.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "sim/control.h"
#include "sim/server.h"

namespace {

using namespace corvo::sim;

constexpr int kWaitMs = 20000;  // the bound on every wait: a failure, never a pass, when reached

int connect_to(uint16_t port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void send_text(int fd, const std::string& text) {
    ASSERT_EQ(static_cast<ssize_t>(text.size()), send(fd, text.data(), text.size(), MSG_NOSIGNAL));
}

// Reads until the server closes the connection: the bytes read, or -1 when
// it stays open past the bound.
long read_to_end(int fd) {
    long total = 0;
    char buf[65536];
    for (;;) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kWaitMs) != 1) return -1;
        const ssize_t n = recv(fd, buf, sizeof buf, 0);
        if (n <= 0) return total;
        total += n;
    }
}

// Reads one answer line.
std::string read_line(int fd) {
    std::string line;
    char ch = 0;
    pollfd p{fd, POLLIN, 0};
    while (poll(&p, 1, kWaitMs) == 1 && recv(fd, &ch, 1, 0) == 1 && ch != '\n') line.push_back(ch);
    return line;
}

TEST(Server, AControlClientThatNeverReadsIsDisconnected) {
    TerminalBank bank;
    ASSERT_EQ("ok", control_command(bank, "punches 1 20000").reply);  // a dump of about 2 MB
    const std::size_t dump = control_command(bank, "dump 1 punches").reply.size() + 1;
    Server server(bank);
    std::string error;
    ASSERT_TRUE(server.listen(0, 0, error)) << error;
    std::atomic<bool> done{false};
    std::thread loop([&] { server.run([&] { return done.load(); }); });

    const int greedy = connect_to(server.control_port());
    const std::size_t lines = 2 * kMaxControlBacklog / dump + 2;
    std::string many;
    for (std::size_t i = 0; i < lines; ++i) many += "dump 1 punches\n";
    send_text(greedy, many);
    const long got = read_to_end(greedy);  // only now: all of it was sent first
    EXPECT_GE(got, 0);  // closed (or reset: the client left lines unread)
    EXPECT_LT(static_cast<std::size_t>(got), lines * dump);  // cut off, not all answered
    close(greedy);

    const int polite = connect_to(server.control_port());  // the others are served still
    send_text(polite, "ping\n");
    EXPECT_EQ("ok", read_line(polite));
    close(polite);
    done = true;
    loop.join();
}

TEST(Server, ConnectionsBeyondTheCapAreClosedAtOnce) {
    TerminalBank bank;
    Server server(bank);
    server.set_max_connections(2);
    std::string error;
    ASSERT_TRUE(server.listen(0, 0, error)) << error;
    std::atomic<bool> done{false};
    std::thread loop([&] { server.run([&] { return done.load(); }); });
    const int kept[2] = {connect_to(server.link_port()), connect_to(server.link_port())};
    const int third = connect_to(server.link_port());
    EXPECT_EQ(0, read_to_end(third));
    for (int fd : kept) {
        pollfd p{fd, POLLIN, 0};
        EXPECT_EQ(0, poll(&p, 1, 0));  // open, nothing to read
        close(fd);
    }
    close(third);
    done = true;
    loop.join();
}

// The server in a child with a small descriptor limit; connections beyond it
// are closed at once (not left waiting), and it serves on afterwards.
TEST(Server, TheDescriptorLimitClosesNewConnectionsAndServesOn) {
    constexpr rlim_t kLimit = 24;
    constexpr int kConnections = 40;
    int ports[2];
    ASSERT_EQ(0, pipe(ports));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{kLimit, kLimit};
        setrlimit(RLIMIT_NOFILE, &limit);
        TerminalBank bank;
        Server server(bank);
        std::string error;
        if (!server.listen(0, 0, error)) _exit(1);
        const uint16_t both[2] = {server.link_port(), server.control_port()};
        if (write(ports[1], both, sizeof both) != sizeof both) _exit(1);
        server.run([] { return false; });  // until "stop"
        _exit(0);
    }
    close(ports[1]);
    uint16_t both[2] = {0, 0};
    ASSERT_EQ(static_cast<ssize_t>(sizeof both), read(ports[0], both, sizeof both));
    close(ports[0]);
    std::vector<int> fds;
    for (int i = 0; i < kConnections; ++i) fds.push_back(connect_to(both[0]));
    std::vector<pollfd> open;
    for (int fd : fds) open.push_back({fd, POLLIN, 0});
    int closed = 0;
    while (closed < kConnections - static_cast<int>(kLimit) && poll(open.data(), open.size(), kWaitMs) > 0) {
        for (pollfd& p : open) {
            char byte = 0;
            if ((p.revents & (POLLIN | POLLHUP)) != 0 && recv(p.fd, &byte, 1, 0) <= 0) ++closed, p.fd = -1;
        }
    }
    EXPECT_GE(closed, kConnections - static_cast<int>(kLimit));
    for (int fd : fds) close(fd);
    int control = -1;
    std::string answer;
    for (int attempt = 0; attempt < 100 && answer != "ok"; ++attempt) {  // until the server has seen the closes
        control = connect_to(both[1]);
        send(control, "ping\n", 5, MSG_NOSIGNAL);
        answer = read_line(control);
        if (answer != "ok") close(control);
    }
    EXPECT_EQ("ok", answer);
    send_text(control, "stop\n");
    close(control);
    int status = 0;
    EXPECT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
