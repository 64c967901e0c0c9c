// The few file and process calls fleet needs, on POSIX and on Windows (the
// mingw builds of the tool): files by descriptor, flushed to disk, locked.
#pragma once
#include <cstdint>
#include <string>

namespace fleet::os {

using Offset = long long;

int open_append(const std::string& path);      // read and append, created; -1 on failure
int open_read_write(const std::string& path);  // created; -1 on failure
int open_read(const std::string& path);
void close_file(int fd);
bool write_all(int fd, const std::string& text);
long long read_at(int fd, char* buf, std::size_t size, Offset at);  // bytes read, -1 on failure
Offset size_of(int fd);                        // -1 on failure
bool truncate_to(int fd, Offset size);
bool sync(int fd);                             // to disk: fdatasync, _commit
bool is_regular(int fd);
// The file named by `path` is still the one open as `fd`.
bool same_file(int fd, const std::string& path);
bool make_folder(const std::string& path);     // true also when it exists
// flock(): exclusive, waiting or not; false when not taken.
bool lock(int fd, bool wait);
void unlock(int fd);
std::string error_text();                      // the last failure, in words
std::string temp_folder();
std::string user_name();                       // a word naming the user, for file names
long process_id();
std::string utc_now();                         // "2026-12-07 16:20:11 UTC"

}  // namespace fleet::os
