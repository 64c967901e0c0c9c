// The paged collection of the module's user list.
#include <cstring>

#include "bio/list_collection_state.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "bio/list_package.h"
#include "varanda_ops.h"

namespace varanda::op {

void InicializarColetaListaUsuariosBio(ListCollectionState& list_collection) {
    list_collection.reset();
}

uint8_t SolicitarListaUsuariosBio(ConnectionManager& connection, ListCollectionState& list_collection,
                                  int32_t terminal) {
    return send_list_request(connection, list_collection, terminal, bio_sub::kUserList);
}

uint8_t ReceberPacoteListaUsuariosBio(ConnectionManager& connection, ListCollectionState& list_collection,
                                      HeldOnlineEvents& held_events, int32_t terminal) {
    const ReturnCode r = read_list_answer(connection, list_collection, held_events, terminal, bio_sub::kUserList, 0);
    if (r != rc::kOk) return r;
    return read_list_package(connection, list_collection, terminal, kLargestListRecord);
}

uint8_t ReceberUsuarioLista(ListCollectionState& list_collection, int32_t, uint8_t* record) {
    if (record == nullptr) return rc::bad_arg(1);
    ListCollectionState& s = list_collection;
    if (!s.has_next_record() || s.record_size > kLargestListRecord) return kNoListRecord;
    const uint8_t* r = s.next_record();
    if (r == nullptr) return kNoListRecord;
    std::memcpy(record, r, static_cast<size_t>(s.record_size));
    return rc::kOk;
}

int32_t TemProximoUsuario(ListCollectionState& list_collection) { return list_collection.has_next_record() ? 1 : 0; }

int32_t TemProximoPacote(ListCollectionState& list_collection) {
    if (list_collection.has_next_page()) return 1;
    list_collection.reset();
    return 0;
}

}  // namespace varanda::op
