#include "fake_backend.h"

namespace testsupport {

template <class Fn>
static void bind(const hostkit::Library& lib, Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(lib.symbol(name));
}

FakeBackend::FakeBackend(const std::string& file_name) {
    if (!lib_.open(file_name)) return;
    bind(lib_, reset_, "Fake_Reset");
    bind(lib_, queue_result_, "Fake_QueueResult");
    bind(lib_, queue_answer_, "Fake_QueueAnswer");
    bind(lib_, count_, "Fake_CallCount");
    bind(lib_, entry_, "Fake_CallEntry");
    bind(lib_, ints_, "Fake_CallInts");
    bind(lib_, data_, "Fake_CallData");
    bind(lib_, live_, "Fake_LiveObjects");
    if (reset_ == nullptr) lib_.close();  // not one of our fakes
}

void FakeBackend::reset() {
    if (reset_) reset_();
}
void FakeBackend::queue_result(const std::string& entry, int32_t result) {
    if (queue_result_) queue_result_(entry.c_str(), result);
}
void FakeBackend::queue_answer(int32_t result, const std::vector<uint8_t>& bytes) {
    if (queue_answer_) queue_answer_(result, bytes.data(), static_cast<int32_t>(bytes.size()));
}

std::vector<FakeCall> FakeBackend::calls() const {
    std::vector<FakeCall> out;
    if (!count_) return out;
    const int32_t n = count_();
    for (int32_t i = 0; i < n; ++i) {
        FakeCall c;
        char name[64] = {};
        entry_(i, name, sizeof name);
        c.entry = name;
        ints_(i, c.ints);
        const int32_t len = data_(i, nullptr, 0);
        c.data.resize(static_cast<size_t>(len > 0 ? len : 0));
        if (len > 0) data_(i, c.data.data(), len);
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<FakeCall> FakeBackend::calls(const std::string& entry) const {
    std::vector<FakeCall> out;
    for (auto& c : calls()) {
        if (c.entry == entry) out.push_back(std::move(c));
    }
    return out;
}

int32_t FakeBackend::live_objects() const { return live_ ? live_() : -1; }

}  // namespace testsupport
