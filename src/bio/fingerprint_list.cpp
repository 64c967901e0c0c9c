// The paged list of users with fingerprint.
#include <algorithm>

#include "api/facade.h"
#include "bio/bio_exchange.h"
#include "bio/list_package.h"
#include "bio/pair_code.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr uint8_t kSubFingerprintList = 11;
constexpr uint32_t kAfterAnswerWaitMs = 50;
constexpr int kIdBytes = 11;
constexpr int kRecordArea = 16;
}  // namespace

uint8_t SolicitarListaUsuariosBioVariavel(ApiFacade& f, int32_t terminal) {
    BioMessage request = bio_request(kSubFingerprintList);
    request[1] = static_cast<uint8_t>(f.list_collection.page_index & 0xFF);
    return send_bio_request(f, terminal, request);
}

uint8_t SolicitarListaUsuariosComDigital(ApiFacade& f, int32_t terminal) {
    const ReturnCode r = read_list_answer(f, terminal, kSubFingerprintList, kAfterAnswerWaitMs);
    if (r != rc::kOk) return r;
    return read_list_package(f, terminal);
}

uint8_t ReceberListaUsuariosDigital(ApiFacade& f, int32_t) {
    return read_list_package(f, f.list_collection.answered_terminal);
}

uint8_t ReceberUsuarioComDigital(ApiFacade& f, uint8_t* id) {
    if (id == nullptr) return rc::bad_arg(0);
    ListCollectionState& s = f.list_collection;
    if (!s.has_next_record()) return 128;
    const int32_t size = s.record_size;
    const uint8_t* record = s.next_record();
    if (record == nullptr) return 128;
    uint8_t area[kRecordArea] = {};
    std::copy_n(record, std::min(size, kRecordArea), area);
    for (int i = 0; i < kIdBytes; ++i) id[i] = decode_pair_code_byte(area[i]);
    return rc::kOk;
}

}  // namespace varanda::op
