#include "extras/extended_request.h"

#include <cstring>

#include "comm/connection_manager.h"

namespace varanda {

ExtendedRequest::ExtendedRequest(uint8_t kind, uint8_t detail) {
    bytes.fill(0xFF);
    bytes[0] = kind;
    bytes[1] = detail;
}

ExtendedRequest ExtendedRequest::counter_write(const uint8_t (&counters)[3][kCounterSize]) {
    ExtendedRequest r(1, 1);
    for (int i = 0; i < 3; ++i) std::memcpy(&r.bytes[kCounterOffset + i * kCounterSize], counters[i], kCounterSize);
    return r;
}

ReturnCode exchange_extended(ConnectionManager& connection, int32_t terminal, const ExtendedRequest& request,
                             ExtendedAnswer& answer) {
    if (ReturnCode c = connection.SendCommand(terminal, request.bytes.data(), ExtendedRequest::kCommand,
                                              ExtendedRequest::kSize);
        c != rc::kOk)
        return c;
    return connection.ReceiveData(terminal, answer.data(), ExtendedRequest::kAnswerCommand, ExtendedRequest::kSize);
}

}  // namespace varanda
