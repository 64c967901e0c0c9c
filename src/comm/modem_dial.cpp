// ConectarModem: a whole dial-up on a modem connection.
#include "comm/modem_dial.h"

#include <cstring>

#include "comm/connection_manager.h"
#include "platform/clock_source.h"
#include "varanda_ops.h"

namespace varanda::modem {

bool format_dial_command(bool tone, const char* number, DialText& out) {
    if (number == nullptr) return false;
    const size_t length = strnlen(number, kMaxNumberLength + 1);
    if (length == 0 || length > kMaxNumberLength) return false;
    out.fill('\0');
    std::memcpy(out.data(), tone ? "ATDT" : "ATDP", 4);
    std::memcpy(out.data() + 4, number, length);
    return true;
}

bool WholeSecondDeadline::passed(uint32_t now_tick_ms) const {
    // Whole seconds since the start of the starting second; unsigned
    // subtraction keeps the count right across a wrap of the tick.
    const uint64_t elapsed_ms = static_cast<uint64_t>(start_ % 1000u) + static_cast<uint32_t>(now_tick_ms - start_);
    return elapsed_ms / 1000u > seconds_;
}

}  // namespace varanda::modem

namespace varanda::op {

namespace {
constexpr int32_t kConnected = 1;
constexpr int32_t kFailed = -1;
constexpr int32_t kNoInitText = -2;
constexpr int32_t kNoNumber = -3;
constexpr int32_t kNoCarrier = 3;
constexpr int32_t kNoDialTone = 6;
constexpr int32_t kBusy = 7;
constexpr uint32_t kVerdictSeconds = 60;
constexpr int kPings = 3;
}  // namespace

int32_t ConectarModem(ConnectionManager& connection, int32_t port, const char* init, int32_t tone, const char* number,
                      int32_t terminal) {
    if (init == nullptr || init[0] == '\0') return kNoInitText;
    modem::DialText dial;
    if (!modem::format_dial_command(tone != 0, number, dial)) return kNoNumber;

    FecharPortaComunicacao(connection);
    if (AbrirPortaComunicacao(connection, port) != rc::kOk) return kFailed;

    platform::ClockSource& clock = platform::clock_source();
    clock.sleep_ms(100);
    if (EnviarStringInicializacaoModem(connection, init) != rc::kOk) return kFailed;
    clock.sleep_ms(200);
    EnviarStringInicializacaoModem(connection, dial.data());  // the modem's verdict tells how the dial went

    const modem::WholeSecondDeadline deadline(clock.tick_ms(), kVerdictSeconds);
    int32_t answer = -1;
    while (answer == -1 && !deadline.passed(clock.tick_ms())) {
        answer = LerByteModem(connection);
        clock.sleep_ms(1);
    }
    if (answer == -1 || answer == kNoCarrier || answer == kNoDialTone || answer == kBusy) return answer;

    for (int i = 0; i < kPings; ++i) {
        clock.sleep_ms(100);
        if (Ping(connection, terminal) == rc::kOk) return kConnected;
    }
    return kFailed;
}

}  // namespace varanda::op
