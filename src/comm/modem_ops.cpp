// The two direct modem exports.
#include "comm/connection_manager.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t EnviarStringInicializacaoModem(ConnectionManager& connection, const char* text) {
    if (text == nullptr) return rc::bad_arg(0);
    return connection.SendModemString(text);
}

int32_t LerByteModem(ConnectionManager& connection) { return connection.ReadModemByte(); }

}  // namespace varanda::op
