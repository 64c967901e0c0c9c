// The recording and scripting core shared by every fake back end. Each fake
// library has its own copy: a list of calls with their arguments and payload
// bytes, and per-entry queues of results and answer bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#if defined(_WIN32)
#  define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#  define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace fake {

struct Call {
    std::string entry;
    int32_t ints[6] = {0, 0, 0, 0, 0, 0};  // meaning per entry (see record())
    std::vector<uint8_t> data;             // payload sent, or the text of Modem_Str
};

struct Answer {
    int32_t result;
    std::vector<uint8_t> bytes;
};

// Records one call. ints: entry-specific, in argument order.
void record(const char* entry, std::initializer_list<int32_t> ints, const uint8_t* data = nullptr,
            int32_t length = 0);
// The next queued result of `entry`, or `fallback`.
int32_t result_for(const char* entry, int32_t fallback);
// The next queued answer for a receive entry; false when none is queued.
bool next_answer(Answer& out);

}  // namespace fake
