// The paged collection of the module's user list.
#include <cstring>

#include "api/facade.h"
#include "bio/bio_exchange.h"
#include "bio/list_package.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr uint8_t kSubUserList = 10;
}

void InicializarColetaListaUsuariosBio(ApiFacade& f) { f.list_collection.reset(); }

uint8_t SolicitarListaUsuariosBio(ApiFacade& f, int32_t terminal) {
    BioMessage request = bio_request(kSubUserList);
    request[1] = static_cast<uint8_t>(f.list_collection.page_index & 0xFF);
    return send_bio_request(f, terminal, request);
}

uint8_t ReceberPacoteListaUsuariosBio(ApiFacade& f, int32_t terminal) {
    const ReturnCode r = read_list_answer(f, terminal, kSubUserList, 0);
    if (r != rc::kOk) return r;
    return read_list_package(f, terminal, kLargestListRecord);
}

uint8_t ReceberUsuarioLista(ApiFacade& f, int32_t, uint8_t* record) {
    if (record == nullptr) return rc::bad_arg(1);
    ListCollectionState& s = f.list_collection;
    if (!s.has_next_record() || s.record_size > kLargestListRecord) return 128;
    const uint8_t* r = s.next_record();
    if (r == nullptr) return 128;
    std::memcpy(record, r, static_cast<size_t>(s.record_size));
    return rc::kOk;
}

int32_t TemProximoUsuario(ApiFacade& f) { return f.list_collection.has_next_record() ? 1 : 0; }

int32_t TemProximoPacote(ApiFacade& f) {
    if (f.list_collection.has_next_page()) return 1;
    f.list_collection.reset();
    return 0;
}

}  // namespace varanda::op
