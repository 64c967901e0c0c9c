// The paged list of users with fingerprint.
#include <algorithm>

#include "bio/list_collection_state.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/list_package.h"
#include "bio/pair_code.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr uint32_t kAfterAnswerWaitMs = 50;
constexpr int kIdBytes = 11;
constexpr int kRecordArea = 16;
}  // namespace

uint8_t SolicitarListaUsuariosBioVariavel(ConnectionManager& connection, ListCollectionState& list_collection,
                                          int32_t terminal) {
    return send_list_request(connection, list_collection, terminal, bio_sub::kFingerprintList);
}

uint8_t SolicitarListaUsuariosComDigital(ConnectionManager& connection, ListCollectionState& list_collection,
                                         HeldOnlineEvents& held_events, int32_t terminal) {
    const ReturnCode r = read_list_answer(connection, list_collection, held_events, terminal, bio_sub::kFingerprintList,
                                          kAfterAnswerWaitMs);
    if (r != rc::kOk) return r;
    return read_list_package(connection, list_collection, terminal);
}

uint8_t ReceberListaUsuariosDigital(ConnectionManager& connection, ListCollectionState& list_collection, int32_t) {
    return read_list_package(connection, list_collection, list_collection.answered_terminal);
}

uint8_t ReceberUsuarioComDigital(ListCollectionState& list_collection, uint8_t* id) {
    if (id == nullptr) return rc::bad_arg(0);
    ListCollectionState& s = list_collection;
    if (!s.has_next_record()) return kNoListRecord;
    const int32_t size = s.record_size;
    const uint8_t* record = s.next_record();
    if (record == nullptr) return kNoListRecord;
    uint8_t area[kRecordArea] = {};
    std::copy_n(record, std::min(size, kRecordArea), area);
    for (int i = 0; i < kIdBytes; ++i) id[i] = decode_pair_code_byte(area[i]);
    return rc::kOk;
}

}  // namespace varanda::op
