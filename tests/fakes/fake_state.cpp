#include "fake_state.h"

#include <cstring>
#include <deque>
#include <map>
#include <mutex>

namespace fake {

namespace {
std::mutex g_mutex;
std::vector<Call> g_calls;
std::map<std::string, std::deque<int32_t>> g_results;
std::deque<Answer> g_answers;
}  // namespace

void record(const char* entry, std::initializer_list<int32_t> ints, const uint8_t* data, int32_t length) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Call c;
    c.entry = entry;
    int i = 0;
    for (int32_t v : ints) {
        if (i < 6) c.ints[i++] = v;
    }
    if (data != nullptr && length > 0) c.data.assign(data, data + length);
    g_calls.push_back(std::move(c));
}

int32_t result_for(const char* entry, int32_t fallback) {
    std::lock_guard<std::mutex> lock(g_mutex);
    auto q = g_results.find(entry);
    if (q != g_results.end() && !q->second.empty()) {
        int32_t v = q->second.front();
        q->second.pop_front();
        return v;
    }
    return fallback;
}

bool next_answer(Answer& out) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_answers.empty()) return false;
    out = std::move(g_answers.front());
    g_answers.pop_front();
    return true;
}

}  // namespace fake

using namespace fake;

FAKE_EXPORT void Fake_Reset() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.clear();
    g_results.clear();
    g_answers.clear();
}

FAKE_EXPORT void Fake_QueueResult(const char* entry, int32_t result) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_results[entry].push_back(result);
}

FAKE_EXPORT void Fake_QueueAnswer(int32_t result, const uint8_t* bytes, int32_t length) {
    std::lock_guard<std::mutex> lock(g_mutex);
    Answer a{result, {}};
    if (bytes != nullptr && length > 0) a.bytes.assign(bytes, bytes + length);
    g_answers.push_back(std::move(a));
}

FAKE_EXPORT int32_t Fake_CallCount() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return static_cast<int32_t>(g_calls.size());
}

FAKE_EXPORT int32_t Fake_CallEntry(int32_t i, char* out, int32_t cap) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (i < 0 || i >= static_cast<int32_t>(g_calls.size()) || cap <= 0) return -1;
    std::strncpy(out, g_calls[i].entry.c_str(), static_cast<size_t>(cap - 1));
    out[cap - 1] = '\0';
    return 0;
}

FAKE_EXPORT int32_t Fake_CallInts(int32_t i, int32_t* out6) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (i < 0 || i >= static_cast<int32_t>(g_calls.size())) return -1;
    std::memcpy(out6, g_calls[i].ints, sizeof g_calls[i].ints);
    return 0;
}

// Copies up to cap payload bytes; returns the payload's full length.
FAKE_EXPORT int32_t Fake_CallData(int32_t i, uint8_t* out, int32_t cap) {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (i < 0 || i >= static_cast<int32_t>(g_calls.size())) return -1;
    const auto& d = g_calls[i].data;
    const size_t n = std::min(d.size(), static_cast<size_t>(cap > 0 ? cap : 0));
    if (n > 0) std::memcpy(out, d.data(), n);
    return static_cast<int32_t>(d.size());
}
