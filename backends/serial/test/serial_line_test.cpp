// The serial line's parts: which device a port opens, what the modem's
// replies decode to, and (on POSIX) the stream on a pseudo-terminal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modem_reply.h"
#include "serial_device.h"
#include "serial_stream.h"

#if !defined(_WIN32)
#  include <fcntl.h>
#  include <stdlib.h>
#  include <unistd.h>
#endif

namespace {

using corvo::serial::device_for_port;
using corvo::serial::ModemReplyDecoder;

TEST(SerialDevice, PortNumbersAndOverrides) {
    struct Case {
        int32_t port;
        const char* override_path;
        bool windows;
        std::string device;
    } cases[] = {
        {0, nullptr, false, "/dev/ttyS0"},
        {3, nullptr, false, "/dev/ttyS3"},
        {255, nullptr, false, "/dev/ttyS255"},
        {256, nullptr, false, ""},
        {-1, nullptr, false, ""},
        {3, "/dev/pts/9", false, "/dev/pts/9"},
        {3, "", false, "/dev/ttyS3"},
        {-1, "/dev/pts/9", false, ""},
        {1, nullptr, true, "\\\\.\\COM1"},
        {10, nullptr, true, "\\\\.\\COM10"},
        {0, nullptr, true, ""},
        {12, "\\\\.\\COM3", true, "\\\\.\\COM3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.port) + (c.windows ? " windows" : " posix"));
        EXPECT_EQ(c.device, device_for_port(c.port, c.override_path, c.windows));
    }
}

TEST(ModemReply, CodesOfLines) {
    struct Case {
        const char* line;
        int code;
    } cases[] = {
        {"0", 0},          {"1", 1},          {"3", 3},         {"7", 7},           {"12", 12},
        {"OK", 0},         {"CONNECT", 1},    {"CONNECT 2400", 1}, {"NO CARRIER", 3}, {"ERROR", 4},
        {"NO DIALTONE", 6}, {"BUSY", 7},      {"busy", 7},      {"NO ANSWER", 8},   {"ATDT123", -1},
        {"", -1},          {"OKAY", -1},      {"1234", -1},     {"CONNECTED", -1},  {"7 ", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(c.code, ModemReplyDecoder::code_of(c.line));
    }
}

TEST(ModemReply, StreamsOfBytes) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<int> codes;
    } cases[] = {
        {"numeric", "0\r", {0}},
        {"echo then numeric", "ATDT555\r7\r", {7}},
        {"verbal with line feeds", "\r\nOK\r\n\r\nBUSY\r\n", {0, 7}},
        {"no code yet", "NO CARR", {}},
        {"an overlong line is no code", std::string(200, '7') + "\r3\r", {3}},
        {"garbage bytes", std::string("\xC5\x3A\x01\r", 4) + "6\r", {6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModemReplyDecoder d;
        std::vector<int> got;
        for (char ch : c.bytes) {
            const int code = d.feed(static_cast<uint8_t>(ch));
            if (code >= 0) got.push_back(code);
        }
        EXPECT_EQ(c.codes, got);
    }
}

#if !defined(_WIN32)
TEST(SerialStream, OpensOnlySerialDevices) {
    corvo::serial::SerialStream s;
    EXPECT_FALSE(s.open("", 9600));
    EXPECT_FALSE(s.open("/nonexistent/tty", 9600));
    EXPECT_FALSE(s.open("/dev/null", 9600));  // not a terminal
    EXPECT_FALSE(s.is_open());
}

TEST(SerialStream, CarriesBytesBothWaysOnAPseudoTerminal) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(0, grantpt(master));
    ASSERT_EQ(0, unlockpt(master));
    const std::string slave = ptsname(master);
    corvo::serial::SerialStream s;
    ASSERT_TRUE(s.open(slave, 2400));
    EXPECT_EQ(2400, s.baud());

    uint8_t buf[64];
    EXPECT_EQ(0, s.read(buf, sizeof buf, 10));  // nothing yet: a time-out, not a failure
    const uint8_t binary[] = {0x00, 0x0D, 0x0A, 0x11, 0x13, 0x7F, 0xC5, 0x3A, 0x03, 0xFF};
    ASSERT_TRUE(s.write(binary, sizeof binary));
    std::vector<uint8_t> got;
    for (int i = 0; i < 50 && got.size() < sizeof binary; ++i) {
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n > 0) got.insert(got.end(), buf, buf + n);
        else usleep(2000);
    }
    EXPECT_EQ(std::vector<uint8_t>(binary, binary + sizeof binary), got);  // raw: nothing translated

    ASSERT_EQ(static_cast<ssize_t>(sizeof binary), ::write(master, binary, sizeof binary));
    got.clear();
    for (int i = 0; i < 50 && got.size() < sizeof binary; ++i) {
        const int n = s.read(buf, sizeof buf, 50);
        ASSERT_GE(n, 0);
        got.insert(got.end(), buf, buf + n);
    }
    EXPECT_EQ(std::vector<uint8_t>(binary, binary + sizeof binary), got);

    ASSERT_EQ(3, ::write(master, "abc", 3));
    usleep(20000);
    s.discard_input();
    EXPECT_EQ(0, s.read(buf, sizeof buf, 10));
    s.close();
    ::close(master);
}
#endif

}  // namespace
