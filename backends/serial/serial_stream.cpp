#include "serial_stream.h"

#if defined(_WIN32)
#  include <windows.h>
#else
#  include <fcntl.h>
#  include <poll.h>
#  include <termios.h>
#  include <unistd.h>
#  include <cerrno>
#endif

#include <chrono>
#include <utility>

#include "serial_device.h"

namespace corvo::serial {

bool open_port(link::LinkSession& session, int32_t port, int32_t baud) {
    const std::string device = device_for_port(port);
    auto connect = [device, baud](int) -> std::unique_ptr<link::Stream> {
        auto s = std::make_unique<SerialStream>();
        if (!s->open(device, baud)) return nullptr;
        return s;
    };
    return session.open(std::move(connect), link::Settings::from_environment(), link::LinkSession::When::Now);
}

namespace {
// Writing gives up when the line takes no byte for this long.
constexpr int kWriteStallMs = 5000;
}  // namespace

#if defined(_WIN32)

namespace {
HANDLE as_handle(intptr_t h) { return reinterpret_cast<HANDLE>(h); }
}  // namespace

bool SerialStream::open(const std::string& device, int32_t baud) {
    close();
    if (device.empty()) return false;
    HANDLE h = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!GetCommState(h, &dcb)) {
        CloseHandle(h);
        return false;
    }
    baud_ = baud > 0 ? baud : 9600;
    dcb.BaudRate = static_cast<DWORD>(baud_);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(h, &dcb)) {
        CloseHandle(h);
        return false;
    }
    PurgeComm(h, PURGE_RXCLEAR | PURGE_TXCLEAR);
    handle_ = reinterpret_cast<intptr_t>(h);
    read_timeout_ = -2;
    return true;
}

void SerialStream::close_handle(intptr_t handle) { CloseHandle(as_handle(handle)); }

bool SerialStream::write(const uint8_t* data, std::size_t size) {
    if (handle_ == kNone) return false;
    COMMTIMEOUTS t{};
    GetCommTimeouts(as_handle(handle_), &t);
    t.WriteTotalTimeoutConstant = kWriteStallMs;
    t.WriteTotalTimeoutMultiplier = 0;
    SetCommTimeouts(as_handle(handle_), &t);
    std::size_t done = 0;
    while (done < size) {
        DWORD n = 0;
        const DWORD chunk = static_cast<DWORD>(size - done > 65536 ? 65536 : size - done);
        if (!WriteFile(as_handle(handle_), data + done, chunk, &n, nullptr) || n == 0) return false;
        done += n;
    }
    return true;
}

int SerialStream::read(uint8_t* buffer, std::size_t capacity, int timeout_ms) {
    if (handle_ == kNone) return -1;
    if (timeout_ms < 0) timeout_ms = 0;
    if (read_timeout_ != timeout_ms) {
        COMMTIMEOUTS t{};
        GetCommTimeouts(as_handle(handle_), &t);
        // Returns as soon as a byte is there, or after the time-out with none.
        t.ReadIntervalTimeout = MAXDWORD;
        t.ReadTotalTimeoutMultiplier = timeout_ms > 0 ? MAXDWORD : 0;
        t.ReadTotalTimeoutConstant = static_cast<DWORD>(timeout_ms);
        if (!SetCommTimeouts(as_handle(handle_), &t)) return -1;
        read_timeout_ = timeout_ms;
    }
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(capacity > 65536 ? 65536 : capacity);
    if (!ReadFile(as_handle(handle_), buffer, want, &n, nullptr)) return -1;
    return static_cast<int>(n);
}

void SerialStream::discard_input() {
    if (handle_ != kNone) PurgeComm(as_handle(handle_), PURGE_RXCLEAR);
}

#else

namespace {
speed_t speed_for(int32_t baud) {
    switch (baud) {
        case 300: return B300;
        case 1200: return B1200;
        case 2400: return B2400;
        case 4800: return B4800;
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return B9600;
    }
}
}  // namespace

bool SerialStream::open(const std::string& device, int32_t baud) {
    close();
    if (device.empty()) return false;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    termios t{};
    if (!isatty(fd) || tcgetattr(fd, &t) != 0) {
        ::close(fd);
        return false;
    }
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~(CSTOPB | PARENB | CRTSCTS);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    baud_ = baud > 0 ? baud : 9600;
    cfsetispeed(&t, speed_for(baud_));
    cfsetospeed(&t, speed_for(baud_));
    if (tcsetattr(fd, TCSANOW, &t) != 0) {
        ::close(fd);
        return false;
    }
    tcflush(fd, TCIOFLUSH);
    handle_ = fd;
    return true;
}

void SerialStream::close_handle(intptr_t handle) { ::close(static_cast<int>(handle)); }

bool SerialStream::write(const uint8_t* data, std::size_t size) {
    if (handle_ == kNone) return false;
    const int fd = static_cast<int>(handle_);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return false;
        pollfd p{fd, POLLOUT, 0};
        if (poll(&p, 1, kWriteStallMs) <= 0 || (p.revents & (POLLERR | POLLNVAL))) return false;
    }
    return true;
}

int SerialStream::read(uint8_t* buffer, std::size_t capacity, int timeout_ms) {
    if (handle_ == kNone) return -1;
    const int fd = static_cast<int>(handle_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms < 0 ? 0 : timeout_ms);
    for (int round = 0; round < 1000; ++round) {
        const ssize_t n = ::read(fd, buffer, capacity);
        if (n > 0) return static_cast<int>(n);
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return -1;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return 0;
        pollfd p{fd, POLLIN, 0};
        const int r = poll(&p, 1, static_cast<int>(left.count()));
        if (r < 0 && errno != EINTR) return -1;
        if (r > 0 && (p.revents & (POLLERR | POLLNVAL))) return -1;
        if (r > 0 && (p.revents & POLLHUP) && !(p.revents & POLLIN)) return -1;
    }
    return 0;
}

void SerialStream::discard_input() {
    if (handle_ != kNone) tcflush(static_cast<int>(handle_), TCIFLUSH);
}

#endif

}  // namespace corvo::serial
