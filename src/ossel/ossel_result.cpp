#include "ossel/ossel_result.h"

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "events/online_event_record.h"
#include "wire/terminal_commands.h"

namespace varanda {

namespace {
constexpr uint8_t kOfflinePreset = 6;
constexpr uint8_t kLastOfflineResult = 6;
constexpr ReturnCode kOtherResult = 128;
}  // namespace

// Offline results 1..6 come back as 128..133; online, 2 and 7 are a match,
// 3 and 4 read 130 and 134. Anything else reads kOtherResult.
ReturnCode ossel_offline_code(uint8_t result) {
    if (result == 0) return rc::kOk;
    if (result <= kLastOfflineResult) return static_cast<ReturnCode>(kOtherResult + result - 1);
    return kOtherResult;
}

ReturnCode ossel_online_code(uint8_t result) {
    struct ResultCode {
        uint8_t result;
        ReturnCode code;
    };
    static constexpr ResultCode kTable[] = {{2, rc::kOk}, {7, rc::kOk}, {3, 130}, {4, 134}};
    for (const ResultCode& e : kTable)
        if (e.result == result) return e.code;
    return kOtherResult;
}

ReturnCode ossel_offline_result(ConnectionManager& connection, int32_t terminal) {
    uint8_t result = kOfflinePreset;
    const ReturnCode r = connection.ReceiveData(terminal, &result, wire::command::kOsselResult, sizeof result);
    if (r != rc::kOk) return r;
    return ossel_offline_code(result);
}

ReturnCode ossel_online_result(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal) {
    auto is_result = [](const OnlineEventRecord& e) { return e.origin() == OnlineEventRecord::kOriginOssel; };
    OnlineEventRecord event;
    if (!held_events.take_first(terminal, is_result, event)) {
        event.bytes[1] = 1;
        const ReturnCode r = receive_online_event(connection, terminal, event);
        if (r != rc::kOk) return r;
        if (!is_result(event)) {
            held_events.hold(terminal, event);
            return rc::kFailed;
        }
    }
    return ossel_online_code(event.bytes[1]);
}

}  // namespace varanda
