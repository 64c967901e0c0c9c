// DefinirTipoConexao, AbrirPortaComunicacao, FecharPortaComunicacao.
#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t DefinirTipoConexao(ApiFacade& f, uint8_t type) { return f.connection().SetConnectionType(type); }

uint8_t AbrirPortaComunicacao(ApiFacade& f, int32_t port) {
    ConnectionManager& c = f.connection();
    return c.GetConnectionType() == 3 ? c.OpenModemPort(port) : c.OpenPort(port);
}

void FecharPortaComunicacao(ApiFacade& f) { f.connection().ClosePort(); }

}  // namespace varanda::op
