// The paged reading of the fingerprint module's user lists. The module first
// answers a list request with the page it answers for, the last page and the
// package size (answer bytes 1, 2, 3..4 high byte first); the package itself
// (command 222) holds a record count and a record size (each two bytes, high
// byte first) and the records back to back.
#pragma once
#include <cstdint>

#include "core/return_code.h"
#include "bio/list_collection_state.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "wire/terminal_commands.h"

namespace varanda {

inline constexpr int32_t kListPackageCommand = wire::command::kBioPackage;
inline constexpr int kListPackageHeader = 4;
// The longest record that the plain user list hands to a host: every record
// layout of the modules fits (16-byte records, 128-byte records). The host's
// record buffer holds this many bytes.
inline constexpr int32_t kLargestListRecord = 128;
// No package collected, or no further record in it.
inline constexpr ReturnCode kNoListRecord = 128;

// Asks the module for the page of the collection's page index (its low byte)
// of the list `sub_command`.
ReturnCode send_list_request(ConnectionManager& connection, const ListCollectionState& list_collection,
                             int32_t terminal, uint8_t sub_command);

// Reads the module's list answer for `sub_command` (offline) into the
// collection state. `wait_ms` is waited after the exchange whatever its
// outcome. 0 when a package of the requested page is announced; 136 for an
// empty package, 137 for another page; otherwise the exchange's code.
ReturnCode read_list_answer(ConnectionManager& connection, ListCollectionState& list_collection,
                            HeldOnlineEvents& held_events, int32_t terminal, uint8_t sub_command, uint32_t wait_ms);

// Reads the announced package into a new package buffer and moves to the
// next page. The record count is cut to the records that the package holds
// whole, so that no record is read past its end. A failed receive frees the
// buffer and leaves the page index. A package whose records are longer than
// `largest_record` is refused with 128: nothing of it is kept and the
// collection starts again from page 0.
ReturnCode read_list_package(ConnectionManager& connection, ListCollectionState& list_collection, int32_t terminal,
                             int32_t largest_record = INT32_MAX);

}  // namespace varanda
