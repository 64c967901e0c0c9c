// LerSmartCard: one area of a smart card, through the extended request.
#include <cstring>

#include "comm/connection_manager.h"
#include "extras/extended_request.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
struct ResultArea {
    int offset;
    int size;
};
constexpr ResultArea kAreas[] = {{2, 10}, {12, 16}, {28, 16}, {44, 16}};
}  // namespace

uint8_t LerSmartCard(ConnectionManager& connection, int32_t terminal, uint8_t area, uint8_t* r1, uint8_t* r2,
                     uint8_t* r3, uint8_t* r4) {
    uint8_t* out[] = {r1, r2, r3, r4};
    for (int i = 0; i < 4; ++i)
        if (out[i] == nullptr) return rc::bad_arg(i + 2);

    ExtendedAnswer answer{};
    if (ReturnCode c = exchange_extended(connection, terminal, ExtendedRequest::smart_card_read(area), answer);
        c != rc::kOk)
        return c;
    for (int i = 0; i < 4; ++i) std::memcpy(out[i], &answer[kAreas[i].offset], kAreas[i].size);
    return rc::kOk;
}

}  // namespace varanda::op
