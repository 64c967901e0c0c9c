// Encoding and handing off an 8,000-entry access list (card pattern 1,
// 14 digits: the blocks form, two blocks of 65,536 bytes) to the fake TCP
// library; and, apart, inserting those 8,000 cards.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "api/facade.h"
#include "fake_backend.h"
#include "schedules/access_list_images.h"
#include "facade_calls.h"

namespace {

constexpr int kEntries = 8'000;

std::vector<std::string> cards() {
    std::vector<std::string> out;
    for (int i = 0; i < kEntries; ++i) out.push_back(std::to_string(10'000'000'000'000ll + i * 7919ll));
    return out;
}

void insert_all(varanda::ApiFacade& f, const std::vector<std::string>& list) {
    for (int i = 0; i < kEntries; ++i) {
        varanda::via::InserirUsuarioListaAcesso(f, list[i].c_str(), static_cast<uint8_t>(1 + i % 102));
    }
}

void BM_SendAccessList8000(benchmark::State& state) {
    varanda::ApiFacade f;
    testsupport::FakeBackend tcp(testsupport::kTcpLib);
    if (!tcp.present() || f.connection().SetConnectionType(1) != 0 || f.connection().OpenPort(1) != 0) {
        state.SkipWithError("the fake TCP library is not beside the benchmark");
        return;
    }
    const std::vector<std::string> list = cards();
    for (auto _ : state) {
        state.PauseTiming();
        tcp.reset();
        insert_all(f, list);
        state.ResumeTiming();
        benchmark::DoNotOptimize(varanda::via::EnviarListaAcesso(f, 1));
    }
}
BENCHMARK(BM_SendAccessList8000)->Unit(benchmark::kMicrosecond);

// The encoding alone: the 131,072-byte blocks image.
void BM_EncodeAccessList8000(benchmark::State& state) {
    varanda::ApiFacade f;
    insert_all(f, cards());
    const auto settings = varanda::access_list::settings_of(f.settings());
    varanda::access_list::Image image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            varanda::access_list::build_image(varanda::access_list::Layout::kBlocks, f.access_list.entries, settings, image));
    }
}
BENCHMARK(BM_EncodeAccessList8000)->Unit(benchmark::kMicrosecond);

void BM_InsertAccessList8000(benchmark::State& state) {
    varanda::ApiFacade f;
    const std::vector<std::string> list = cards();
    for (auto _ : state) {
        insert_all(f, list);
        state.PauseTiming();
        f.access_list.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertAccessList8000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
