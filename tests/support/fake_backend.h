// Test-side handle on a fake back end: scripts its answers and reads back
// the calls the SDK made.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "library.h"

namespace testsupport {

struct FakeCall {
    std::string entry;
    int32_t ints[6];
    std::vector<uint8_t> data;
    std::string text() const { return std::string(data.begin(), data.end()); }
};

class FakeBackend {
public:
    // The library file name as the SDK loads it, e.g. "libCorvoTCP.so".
    explicit FakeBackend(const std::string& file_name);
    bool present() const { return lib_.is_open(); }

    void reset();
    void queue_result(const std::string& entry, int32_t result);
    void queue_answer(int32_t result, const std::vector<uint8_t>& bytes);
    void queue_answer(const std::vector<uint8_t>& bytes) { queue_answer(40, bytes); }

    std::vector<FakeCall> calls() const;
    // The calls to one entry only.
    std::vector<FakeCall> calls(const std::string& entry) const;
    int32_t live_objects() const;  // COM fakes only

private:
    hostkit::Library lib_;
    void (*reset_)() = nullptr;
    void (*queue_result_)(const char*, int32_t) = nullptr;
    void (*queue_answer_)(int32_t, const uint8_t*, int32_t) = nullptr;
    int32_t (*count_)() = nullptr;
    int32_t (*entry_)(int32_t, char*, int32_t) = nullptr;
    int32_t (*ints_)(int32_t, int32_t*) = nullptr;
    int32_t (*data_)(int32_t, uint8_t*, int32_t) = nullptr;
    int32_t (*live_)() = nullptr;
};

// File names of the back ends on this platform.
inline const std::string kSerialLib = hostkit::library_file("Corvo2K");
inline const std::string kTcpLib = hostkit::library_file("CorvoTCP");
inline const std::string kTcpComLib = hostkit::library_file("CorvoTcpCom");
inline const std::string kSerialComLib = hostkit::library_file("CorvoSerialCom");

}  // namespace testsupport
