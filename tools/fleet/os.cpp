#include "os.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#if defined(_WIN32)
#  include <direct.h>
#  include <io.h>
#  include <process.h>
#  include <windows.h>
#else
#  include <sys/file.h>
#  include <unistd.h>
#endif

namespace fleet::os {

#if defined(_WIN32)
namespace {
constexpr int kBinary = O_BINARY;
HANDLE handle(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }
}  // namespace
long long read_at(int fd, char* buf, std::size_t size, Offset at) {
    if (_lseeki64(fd, at, SEEK_SET) < 0) return -1;
    return _read(fd, buf, static_cast<unsigned>(size));
}
Offset size_of(int fd) { return _filelengthi64(fd); }
bool truncate_to(int fd, Offset size) { return _chsize_s(fd, size) == 0; }
bool sync(int fd) { return _commit(fd) == 0; }
bool make_folder(const std::string& path) { return _mkdir(path.c_str()) == 0 || errno == EEXIST; }
bool lock(int fd, bool wait) {
    OVERLAPPED o{};
    const DWORD flags = LOCKFILE_EXCLUSIVE_LOCK | (wait ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    return LockFileEx(handle(fd), flags, 0, 1, 0x80000000u, &o) != 0;  // one byte far past any end
}
void unlock(int fd) {
    OVERLAPPED o{};
    UnlockFileEx(handle(fd), 0, 1, 0x80000000u, &o);
}
bool same_file(int fd, const std::string& path) {
    BY_HANDLE_FILE_INFORMATION a{}, b{};
    const HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool same = GetFileInformationByHandle(handle(fd), &a) && GetFileInformationByHandle(h, &b) &&
                      a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
    CloseHandle(h);
    return same;
}
long process_id() { return _getpid(); }
std::string user_name() { return "user"; }
#else
namespace {
constexpr int kBinary = 0;
}  // namespace
long long read_at(int fd, char* buf, std::size_t size, Offset at) { return pread(fd, buf, size, at); }
Offset size_of(int fd) {
    struct stat st{};
    return fstat(fd, &st) == 0 ? st.st_size : -1;
}
bool truncate_to(int fd, Offset size) { return ftruncate(fd, size) == 0; }
bool sync(int fd) { return fdatasync(fd) == 0; }
bool make_folder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }
bool lock(int fd, bool wait) { return flock(fd, LOCK_EX | (wait ? 0 : LOCK_NB)) == 0; }
void unlock(int fd) { flock(fd, LOCK_UN); }
bool same_file(int fd, const std::string& path) {
    struct stat a{}, b{};
    return fstat(fd, &a) == 0 && stat(path.c_str(), &b) == 0 && a.st_ino == b.st_ino && a.st_dev == b.st_dev;
}
long process_id() { return static_cast<long>(getpid()); }
std::string user_name() { return std::to_string(getuid()); }
#endif

int open_append(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_CREAT | O_APPEND | kBinary, 0644);
}
int open_read_write(const std::string& path) { return ::open(path.c_str(), O_RDWR | O_CREAT | kBinary, 0644); }
int open_read(const std::string& path) { return ::open(path.c_str(), O_RDONLY | kBinary); }
void close_file(int fd) { ::close(fd); }

bool write_all(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const auto n = ::write(fd, text.data() + done, static_cast<unsigned>(text.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool is_regular(int fd) {
    struct stat st{};
    return fstat(fd, &st) == 0 && (st.st_mode & S_IFMT) == S_IFREG;
}

std::string error_text() { return std::strerror(errno); }

std::string temp_folder() {
    for (const char* name : {"TMPDIR", "TEMP", "TMP"})
        if (const char* v = std::getenv(name); v != nullptr && *v != '\0') return v;
    return "/tmp";
}

std::string utc_now() {
    const std::time_t now = std::time(nullptr);
    char when[32] = "?";
    if (const std::tm* utc = std::gmtime(&now)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S UTC", utc);
    return when;
}

}  // namespace fleet::os
