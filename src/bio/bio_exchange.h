// The request/answer exchange with a terminal's fingerprint module: a
// 17-byte request (command 120, byte 0 the sub-command) and the module's
// 17-byte answer (byte 0 the status, 1 meaning success), read either from
// the terminal's answer store (command 220) or, online, from its event
// stream (command 207, origin 13, complement the answered sub-command).
#pragma once
#include <array>
#include <cstdint>

#include "core/return_code.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "wire/bio_subcommands.h"
#include "wire/terminal_commands.h"

namespace varanda {

namespace bio_sub = wire::bio_sub;

inline constexpr int32_t kBioRequestCommand = wire::command::kBioRequest;
inline constexpr int32_t kBioAnswerCommand = wire::command::kBioAnswer;
inline constexpr int kBioMessageSize = 17;
// A user record: what the host gives, then the local time (packed BCD).
inline constexpr int kBioUserRecordSize = 844;
inline constexpr ReturnCode kBioNoAnswer = 128;     // offline: the answer store gave nothing
inline constexpr ReturnCode kBioOtherStatus = 128;  // a status the table does not list

using BioMessage = std::array<uint8_t, kBioMessageSize>;

// 17 zero bytes with the sub-command in byte 0.
BioMessage bio_request(uint8_t sub_command);

ReturnCode send_bio_request(ConnectionManager& connection, int32_t terminal, const BioMessage& request);

// A module status other than 1 as a ReturnCode (128..137).
ReturnCode bio_status_code(uint8_t status);

// Fetches the module's answer. Offline (online == 0): command 220, a failed
// exchange (1) reads 128. Online: up to 7 event reads 5 ms apart for the
// answer to `sub_command`; events of any other kind are held for the host.
// `answer` is written only when the result is 0.
ReturnCode bio_answer(ConnectionManager& connection, HeldOnlineEvents& held_events, int32_t terminal, uint8_t online,
                      uint8_t sub_command, BioMessage& answer);

}  // namespace varanda
