// AtribuirContadorGiro and LerContadorGiro: the three rotation counters of a
// turnstile, through the extended request.
#include <cstring>

#include "comm/connection_manager.h"
#include "extras/extended_request.h"
#include "varanda_ops.h"
#include "wire/bcd_byte.h"

namespace varanda::op {

namespace {
constexpr int kCounterCount = 3;
constexpr int kCounterSize = ExtendedRequest::kCounterSize;
}  // namespace

uint8_t AtribuirContadorGiro(ConnectionManager& connection, int32_t terminal, int32_t first, int32_t second,
                             int32_t third) {
    const int32_t values[kCounterCount] = {first, second, third};
    uint8_t counters[kCounterCount][kCounterSize];
    for (int i = 0; i < kCounterCount; ++i) std::memcpy(counters[i], &values[i], kCounterSize);
    ExtendedAnswer answer{};  // the answer only confirms the write
    return exchange_extended(connection, terminal, ExtendedRequest::counter_write(counters), answer);
}

// Each counter travels as four packed BCD bytes, most significant first; the
// caller gets four binary values 0..99, least significant first.
uint8_t LerContadorGiro(ConnectionManager& connection, int32_t terminal, uint8_t* first, uint8_t* second,
                        uint8_t* third) {
    uint8_t* out[kCounterCount] = {first, second, third};
    for (int i = 0; i < kCounterCount; ++i)
        if (out[i] == nullptr) return rc::bad_arg(i + 1);

    ExtendedAnswer answer{};
    if (ReturnCode c = exchange_extended(connection, terminal, ExtendedRequest::counter_read(), answer);
        c != rc::kOk)
        return c;
    for (int i = 0; i < kCounterCount; ++i) {
        const uint8_t* counter = &answer[ExtendedRequest::kCounterOffset + i * kCounterSize];
        for (int k = 0; k < kCounterSize; ++k) out[i][k] = wire::bcd_to_binary(counter[kCounterSize - 1 - k]);
    }
    return rc::kOk;
}

}  // namespace varanda::op
