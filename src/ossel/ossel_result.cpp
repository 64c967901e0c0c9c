#include "ossel/ossel_result.h"

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "events/online_event_record.h"

namespace varanda {

namespace {
constexpr int32_t kOfflineResultCommand = 240;
constexpr uint8_t kOfflinePreset = 6;
}  // namespace

ReturnCode ossel_offline_code(uint8_t result) {
    if (result == 0) return rc::kOk;
    if (result <= 6) return static_cast<ReturnCode>(127 + result);
    return 128;
}

ReturnCode ossel_online_code(uint8_t result) {
    switch (result) {
        case 2: case 7: return rc::kOk;
        case 3: return 130;
        case 4: return 134;
        default: return 128;
    }
}

ReturnCode ossel_offline_result(ConnectionManager& connection, int32_t terminal) {
    uint8_t result = kOfflinePreset;
    const ReturnCode r = connection.ReceiveData(terminal, &result, kOfflineResultCommand, 1);
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
