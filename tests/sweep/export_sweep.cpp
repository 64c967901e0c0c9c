// The sweep of the whole export surface, from the generated table: every
// operation called with a null for each pointer in turn, every value of each
// byte argument, the extremes of each 32-bit argument and one past each limit
// its documentation names, and an empty and a long text for each string; once
// with the port closed and once open on the recording TCP back-end. Each area
// is a heap block of exactly its documented size, so that the sanitizers see
// a write past it. A call must give a code its documentation allows, and a
// refusal of argument k (128 + k) must send nothing.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sdk_test.h"
#include "sweep_table.h"

// The SDK's pauses and time-outs run on a clock of this program's own: a pause
// returns at once and moves that clock on, so that a 60-second wait costs its
// loop's turns, not a minute. The program exports both (-rdynamic) and the
// SDK, loaded later, binds to them.
namespace {
std::atomic<int64_t> slept_ns{0};
}

extern "C" int nanosleep(const struct timespec* req, struct timespec* rem) {
    if (req != nullptr) slept_ns += static_cast<int64_t>(req->tv_sec) * 1000000000 + req->tv_nsec;
    if (rem != nullptr) *rem = timespec{};
    return 0;
}

extern "C" int clock_gettime(clockid_t id, struct timespec* ts) {
    const int r = static_cast<int>(syscall(SYS_clock_gettime, id, ts));
    if (r == 0 && id == CLOCK_MONOTONIC) {
        const int64_t ns = static_cast<int64_t>(ts->tv_sec) * 1000000000 + ts->tv_nsec + slept_ns.load();
        ts->tv_sec = static_cast<time_t>(ns / 1000000000);
        ts->tv_nsec = static_cast<long>(ns % 1000000000);
    }
    return r;
}

namespace {

using sweep::Arg;
using sweep::Operation;
using testsupport::FakeBackend;

bool is_pointer(Arg a) { return a != Arg::I32 && a != Arg::U8; }

// One call's arguments: numbers, and the heap blocks its pointers name.
struct Call {
    sweep::Values v{};
    std::vector<std::unique_ptr<char[]>> blocks;
    std::string shown;

    void block(int i, size_t bytes, const std::string& text = {}) {
        blocks.emplace_back(new char[bytes == 0 ? 1 : bytes]());
        text.copy(blocks.back().get(), text.size());
        v.p[i] = blocks.back().get();
    }
};

// The arguments of the ordinary call: terminal 1, other numbers 0, a one-digit
// text, every area present.
Call base_call(const Operation& op) {
    Call c;
    for (int i = 0; i < op.count; ++i) {
        const sweep::Param& p = op.params[i];
        if (p.type == Arg::I32) c.v.n[i] = i == 0 ? 1 : 0;
        if (p.type == Arg::Str) c.block(i, 2, "1");
        if (is_pointer(p.type) && p.type != Arg::Str) c.block(i, static_cast<size_t>(p.bytes));
    }
    return c;
}

// The variants of argument i: (call, what was varied).
template <class Each>
void each_variant(const Operation& op, int i, Each&& each) {
    const sweep::Param& p = op.params[i];
    auto with_number = [&](int64_t n) {
        Call c = base_call(op);
        c.v.n[i] = n;
        c.shown = std::string(p.name) + "=" + std::to_string(n);
        each(c);
    };
    switch (p.type) {
    case Arg::U8:
        for (int n = 0; n < 256; ++n) with_number(n);
        break;
    case Arg::I32: {
        std::vector<int64_t> values{0, 1, -1, INT32_MIN, INT32_MAX};
        values.insert(values.end(), op.limits, op.limits + op.count_limits);
        for (int64_t n : values) with_number(n);
        break;
    }
    case Arg::Str:
        for (const std::string& text : {std::string(), std::string(300, '9')}) {
            Call c = base_call(op);
            c.block(i, text.size() + 1, text);
            c.shown = std::string(p.name) + "=\"" + text.substr(0, 3) + "\"(" + std::to_string(text.size()) + ")";
            each(c);
        }
        [[fallthrough]];
    default: {
        Call c = base_call(op);
        c.v.p[i] = nullptr;
        c.shown = std::string(p.name) + "=null";
        each(c);
    }
    }
}

class ExportSweep : public testsupport::SdkTest {
protected:
    void prepare(bool open) {
        api().FecharPortaComunicacao();
        if (open) {
            api().DefinirTipoConexao(1);
            api().AbrirPortaComunicacao(1);
        }
        for (FakeBackend* f : {&serial_, &tcp_, &tcp_com_, &serial_com_}) f->reset();
    }

    const char* show_ = std::getenv("VARANDA_SWEEP_SHOW");

    size_t sends() const { return tcp_.calls("Envia_Dados").size() + tcp_.calls("Envia_Resposta").size(); }

    void sweep_all(bool open) {
        ASSERT_TRUE(tcp_.present());
        std::vector<std::string> faults;
        long calls = 0;
        for (const Operation& op : sweep::kOperations) {
            prepare(open);
            Call base = base_call(op);
            const int64_t base_code = op.call(api(), base.v);
            ++calls;
            check(op, base, -1, base_code, base_code, faults);
            for (int i = 0; i < op.count; ++i) {
                each_variant(op, i, [&](Call& c) {
                    prepare(open);
                    const int64_t code = op.call(api(), c.v);
                    ++calls;
                    check(op, c, i, code, base_code, faults);
                });
            }
        }
        // The times gtest prints for these tests are on the program's own clock.
        std::printf("%ld calls of %zu operations with the port %s\n", calls, std::size(sweep::kOperations),
                    open ? "open" : "closed");
        std::ostringstream all;
        for (size_t k = 0; k < faults.size() && k < 40; ++k) all << "\n  " << faults[k];
        EXPECT_TRUE(faults.empty()) << faults.size() << " of " << calls << " calls with the port "
                                    << (open ? "open" : "closed") << " went wrong:" << all.str();
    }

    void check(const Operation& op, const Call& c, int varied, int64_t code, int64_t base_code,
               std::vector<std::string>& faults) {
        const std::string call = std::string(op.name) + "(" + (varied < 0 ? "ordinary" : c.shown) + ")";
        if (show_ != nullptr && call.rfind(show_, 0) == 0)  // VARANDA_SWEEP_SHOW=Name shows its calls
            std::printf("%s -> %lld, %zu frames sent\n", call.c_str(), static_cast<long long>(code), sends());
        if (op.result == sweep::Result::Code && !op.documents(static_cast<int>(code)))
            faults.push_back(call + " gave " + std::to_string(code) + ", which its documentation does not give");
        if (varied >= 0 && code == 128 + varied && code != base_code && sends() != 0)
            faults.push_back(call + " refused argument " + std::to_string(varied) + " (" + std::to_string(code) +
                             ") but sent " + std::to_string(sends()) + " frames");
    }
};

TEST_F(ExportSweep, EveryOperationWithThePortClosed) { sweep_all(false); }

TEST_F(ExportSweep, EveryOperationWithThePortOpenOnTheRecordingBackend) { sweep_all(true); }

}  // namespace
