// DefinirTipoConexao, AbrirPortaComunicacao, FecharPortaComunicacao.
#include "comm/connection_manager.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t DefinirTipoConexao(ConnectionManager& connection, uint8_t type) { return connection.SetConnectionType(type); }

uint8_t AbrirPortaComunicacao(ConnectionManager& connection, int32_t port) {
    return connection.GetConnectionType() == 3 ? connection.OpenModemPort(port) : connection.OpenPort(port);
}

void FecharPortaComunicacao(ConnectionManager& connection) { connection.ClosePort(); }

}  // namespace varanda::op
