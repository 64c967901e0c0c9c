#include "bio/bio_exchange.h"

#include <algorithm>

#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "events/online_event_record.h"
#include "platform/system.h"

namespace varanda {

namespace {
constexpr int kOnlineAttempts = 7;
constexpr uint32_t kOnlineWaitMs = 5;
constexpr uint8_t kStatusOk = 1;

ReturnCode offline_answer(ConnectionManager& connection, int32_t terminal, BioMessage& answer) {
    BioMessage buffer{};
    const ReturnCode r = connection.ReceiveData(terminal, buffer.data(), kBioAnswerCommand, kBioMessageSize);
    if (r == rc::kFailed) return kBioNoAnswer;
    if (r != rc::kOk) return r;
    if (buffer[0] != kStatusOk) return bio_status_code(buffer[0]);
    answer = buffer;
    return rc::kOk;
}

// One attempt: the awaited answer from the held events, else one event read
// from the terminal; any other event is held.
ReturnCode online_attempt(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal,
                          uint8_t sub_command, BioMessage& answer) {
    auto awaited = [sub_command](const OnlineEventRecord& e) {
        return e.origin() == OnlineEventRecord::kOriginBio && e.complement() == sub_command;
    };
    OnlineEventRecord event;
    if (!held_events.take_first(terminal, awaited, event)) {
        const ReturnCode r = receive_online_event(connection, terminal, event);
        if (r != rc::kOk) return r;
        if (!awaited(event)) {
            held_events.hold(terminal, event);
            return rc::kFailed;
        }
    }
    const uint8_t status = event.bytes[2];
    if (status != kStatusOk) return bio_status_code(status);
    std::copy_n(event.bytes.begin() + 2, kBioMessageSize, answer.begin());
    return rc::kOk;
}
}  // namespace

BioMessage bio_request(uint8_t sub_command) {
    BioMessage m{};
    m[0] = sub_command;
    return m;
}

ReturnCode send_bio_request(ConnectionManager& connection, int32_t terminal, const BioMessage& request) {
    return connection.SendCommand(terminal, request.data(), kBioRequestCommand, kBioMessageSize);
}

ReturnCode bio_status_code(uint8_t status) {
    // The module's statuses and the codes they come back as; any other status
    // reads kBioOtherStatus.
    struct StatusCode {
        uint8_t status;
        ReturnCode code;
    };
    static constexpr StatusCode kTable[] = {{2, 129},  {7, 129},  {253, 129}, {254, 129}, {3, 130},
                                            {4, 131},  {5, 132},  {6, 133},   {9, 137},   {14, 134},
                                            {22, 136}, {251, 135}, {252, 135}};
    for (const StatusCode& e : kTable)
        if (e.status == status) return e.code;
    return kBioOtherStatus;
}

ReturnCode bio_answer(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal, uint8_t online,
                      uint8_t sub_command, BioMessage& answer) {
    if (online == 0) return offline_answer(connection, terminal, answer);
    ReturnCode result = rc::kFailed;
    for (int attempt = 0; attempt < kOnlineAttempts; ++attempt) {
        result = online_attempt(connection, held_events, terminal, sub_command, answer);
        platform::sleep_ms(kOnlineWaitMs);
        if (result == rc::kOk) break;
    }
    return result;
}

}  // namespace varanda
