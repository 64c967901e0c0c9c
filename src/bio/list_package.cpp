#include "bio/list_package.h"

#include <algorithm>

#include "bio/list_collection_state.h"
#include "comm/connection_manager.h"
#include "events/held_online_events.h"
#include "bio/bio_exchange.h"
#include "platform/system.h"
#include "wire/byte_order.h"

namespace varanda {

namespace {
constexpr ReturnCode kEmptyList = 136;
constexpr ReturnCode kOtherPage = 137;
constexpr ReturnCode kRefusedPackage = 128;  // as for a missing package
}  // namespace

ReturnCode send_list_request(ConnectionManager& connection, const ListCollectionState& list_collection,
                             int32_t terminal, uint8_t sub_command) {
    BioMessage request = bio_request(sub_command);
    request[1] = static_cast<uint8_t>(list_collection.page_index & 0xFF);
    return send_bio_request(connection, terminal, request);
}

ReturnCode read_list_answer(ConnectionManager& connection, ListCollectionState& list_collection,
                            HeldOnlineEvents& held_events, int32_t terminal, uint8_t sub_command, uint32_t wait_ms) {
    ListCollectionState& s = list_collection;
    s.last_page_index = 0;
    s.package_size = 0;
    BioMessage answer{};
    const ReturnCode r = bio_answer(connection, held_events, terminal, 0, sub_command, answer);
    int32_t answered_page = -1;
    if (r == rc::kOk) {
        answered_page = answer[1];
        s.last_page_index = answer[2];
        s.package_size = wire::get_u16_be(&answer[3]);
        s.answered_terminal = terminal;
    }
    if (wait_ms > 0) platform::sleep_ms(wait_ms);
    if (r != rc::kOk) return r;
    if (s.package_size < 1) return kEmptyList;
    if (answered_page != s.page_index) return kOtherPage;
    return rc::kOk;
}

ReturnCode read_list_package(ConnectionManager& connection, ListCollectionState& list_collection, int32_t terminal,
                             int32_t largest_record) {
    ListCollectionState& s = list_collection;
    if (s.package_size < 1) return kEmptyList;
    s.free_package();
    s.package.assign(static_cast<size_t>(s.package_size), 0);
    s.record_count = 0;
    s.record_size = 0;
    const ReturnCode r = connection.ReceiveData(terminal, s.package.data(), kListPackageCommand, s.package_size);
    if (r != rc::kOk) {
        s.free_package();
        return r;
    }
    if (s.package_size >= kListPackageHeader) {
        s.record_count = wire::get_u16_be(&s.package[0]);
        s.record_size = wire::get_u16_be(&s.package[2]);
        if (s.record_size > largest_record) {
            s.reset();
            return kRefusedPackage;
        }
        if (s.record_size > 0) {
            s.record_count = std::min(s.record_count, (s.package_size - kListPackageHeader) / s.record_size);
        }
    }
    s.cursor = kListPackageHeader;
    if (s.record_count < 1) s.free_package();
    s.page_index += 1;
    s.records_read = 0;
    return rc::kOk;
}

}  // namespace varanda
