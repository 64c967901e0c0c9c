// ReceberDadosOnLine, ReceberDadosOnLine2 and LerSensoresCorvo.
#include <cstring>

#include "comm/connection_manager.h"
#include "core/settings_view.h"
#include "events/held_online_events.h"
#include "online/online_card_text.h"
#include "platform/system.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
constexpr int32_t kEventWaitingCommand = wire::command::kEventWaiting;
constexpr uint8_t kEventWaiting = 1;
constexpr uint32_t kPreReadPauseMs = 2;
constexpr int32_t kSensorCommand = wire::command::kSensors;
constexpr ReturnCode kNoEvent = 128;

// The out-parameters shared by both event readers, in argument order from 1.
struct EventOut {
    uint8_t* origin;
    uint8_t* complement;
    char* card;
    uint8_t* date_time[6];

    // 128 + the position of the first null pointer, or 0.
    ReturnCode check() const {
        const void* all[] = {origin, complement, card, date_time[0], date_time[1],
                             date_time[2], date_time[3], date_time[4], date_time[5]};
        for (int i = 0; i < 9; ++i)
            if (all[i] == nullptr) return rc::bad_arg(i + 1);
        return rc::kOk;
    }

    template <size_t N>
    void write(const OnlineEventRecord& r, const char (&text)[N]) const {
        *origin = r.origin();
        *complement = r.complement();
        std::memcpy(card, text, N);
        for (int i = 0; i < 6; ++i) *date_time[i] = r.date_time()[i];
    }
};
}  // namespace

uint8_t ReceberDadosOnLine(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                           uint8_t* origin, uint8_t* complement, char* card, uint8_t* day, uint8_t* month,
                           uint8_t* year, uint8_t* hour, uint8_t* minute, uint8_t* second) {
    const EventOut out{origin, complement, card, {day, month, year, hour, minute, second}};
    if (ReturnCode c = out.check(); c != rc::kOk) return c;
    OnlineEventRecord record;
    // Every unsuccessful exchange reads as "no event": 128.
    if (next_online_event(held_events, connection, terminal, record) != rc::kOk) return kNoEvent;
    char text[16];
    card_text16(record, text);
    out.write(record, text);
    return rc::kOk;
}

uint8_t ReceberDadosOnLine2(ConnectionManager& connection, HeldOnlineEvents& held_events,
                            const SettingsView& settings, int32_t terminal, uint8_t* origin, uint8_t* complement,
                            char* card, uint8_t* day, uint8_t* month, uint8_t* year, uint8_t* hour, uint8_t* minute,
                            uint8_t* second) {
    const EventOut out{origin, complement, card, {day, month, year, hour, minute, second}};
    if (ReturnCode c = out.check(); c != rc::kOk) return c;
    const bool ask_first = settings.use_215;
    OnlineEventRecord record;
    // An event that a module operation read while waiting for its own answer
    // comes first, without asking the terminal.
    const bool held = held_events.take_oldest(terminal, record);
    if (ask_first && !held) {
        uint8_t waiting = 0;
        const ReturnCode c = connection.ReceiveData(terminal, &waiting, kEventWaitingCommand, sizeof waiting);
        if (c != rc::kOk) return c;
        if (waiting != kEventWaiting) return kNoEvent;
        platform::sleep_ms(kPreReadPauseMs);
    }
    if (!held) {
        if (ReturnCode c = receive_online_event(connection, terminal, record); c != rc::kOk) return c;
    }
    char text[14];
    card_text14(record, ask_first, text);
    out.write(record, text);
    return rc::kOk;
}

uint8_t LerSensoresCorvo(ConnectionManager& connection, const SettingsView& settings, int32_t terminal,
                         uint8_t* sensor1, uint8_t* sensor2, uint8_t* sensor3) {
    uint8_t* out[] = {sensor1, sensor2, sensor3};
    for (int i = 0; i < 3; ++i)
        if (out[i] == nullptr) return rc::bad_arg(i + 1);
    uint8_t state[3] = {0, 0, 0};
    const int32_t length = settings.old_terminal ? 1 : 3;  // older terminals report one input
    if (ReturnCode c = connection.ReceiveData(terminal, state, kSensorCommand, length); c != rc::kOk) return c;
    for (int i = 0; i < 3; ++i) *out[i] = state[i];
    return rc::kOk;
}

}  // namespace varanda::op
