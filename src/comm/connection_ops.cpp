// DefinirTipoConexao, AbrirPortaComunicacao, FecharPortaComunicacao.
#include "comm/connection_manager.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t DefinirTipoConexao(ConnectionManager& connection, uint8_t type) { return connection.SetConnectionType(type); }

uint8_t AbrirPortaComunicacao(ConnectionManager& connection, int32_t port) {
    const bool modem = connection.GetConnectionType() == connection_type::kModem;
    return modem ? connection.OpenModemPort(port) : connection.OpenPort(port);
}

void FecharPortaComunicacao(ConnectionManager& connection) { connection.ClosePort(); }

}  // namespace varanda::op
