#include "events/online_event_record.h"

#include "comm/connection_manager.h"

namespace varanda {

ReturnCode receive_online_event(ConnectionManager& connection, int32_t terminal, OnlineEventRecord& out) {
    return connection.ReceiveData(terminal, out.bytes.data(), OnlineEventRecord::kCommand, OnlineEventRecord::kSize);
}

}  // namespace varanda
