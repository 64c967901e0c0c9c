// The exchanges behind the entries of CorvoTCP and Corvo2K: the arguments
// checked (a command 0..255, a length that is not negative, with its bytes
// unless it is 0) and handed to a link session, whose verdict becomes the
// entry's result (abi/backend_entries.h). Without a session they fail.
#pragma once
#include <cstdint>

#include "abi/backend_entries.h"
#include "link/session.h"

namespace corvo::backend {

using namespace varanda::abi::backend_result;

inline bool valid(int32_t command, int32_t length, const void* bytes) {
    return length >= 0 && command >= 0 && command <= 255 && (length == 0 || bytes != nullptr);
}

inline int32_t send(link::LinkSession* s, int32_t terminal, const uint8_t* data, int32_t command, int32_t length) {
    const bool ok = s != nullptr && valid(command, length, data) &&
                    s->send(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), data, static_cast<uint32_t>(length));
    return ok ? kSent : kFailed;
}

inline int32_t receive(link::LinkSession* s, int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                       bool acknowledge) {
    const bool ok = s != nullptr && valid(command, length, buffer) &&
                    s->receive(static_cast<uint32_t>(terminal), static_cast<uint8_t>(command), buffer,
                               static_cast<uint32_t>(length), acknowledge);
    return ok ? kReceived : kFailed;
}

// About `terminal`, or without one about that of the session's last exchange.
inline int32_t respond(link::LinkSession* s, std::optional<uint32_t> terminal, int32_t response) {
    const bool ok = s != nullptr && s->respond(terminal, static_cast<uint8_t>(response));
    return ok ? kSent : kFailed;
}

}  // namespace corvo::backend
