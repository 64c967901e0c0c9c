// The online actions that are one command without payload.
#include "comm/connection_manager.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
uint8_t send(ConnectionManager& connection, int32_t terminal, int32_t command) {
    return connection.SendCommand(terminal, nullptr, command, 0);
}
}  // namespace

uint8_t AcionarRele1(ConnectionManager& connection, int32_t t) { return send(connection, t, 1); }
uint8_t AcionarRele2(ConnectionManager& connection, int32_t t) { return send(connection, t, 2); }
uint8_t EnviarComandoAcessoNegado(ConnectionManager& connection, int32_t t) { return send(connection, t, 3); }
uint8_t ManterRele1Acionado(ConnectionManager& connection, int32_t t) { return send(connection, t, 4); }
uint8_t ManterRele2Acionado(ConnectionManager& connection, int32_t t) { return send(connection, t, 5); }
uint8_t DesabilitarRele1(ConnectionManager& connection, int32_t t) { return send(connection, t, 6); }
uint8_t DesabilitarRele2(ConnectionManager& connection, int32_t t) { return send(connection, t, 7); }
uint8_t AcionarBipCurto(ConnectionManager& connection, int32_t t) { return send(connection, t, 8); }
uint8_t AcionarBipLongo(ConnectionManager& connection, int32_t t) { return send(connection, t, 9); }
uint8_t Ping(ConnectionManager& connection, int32_t t) { return send(connection, t, 10); }
uint8_t ResetarModoOnLine(ConnectionManager& connection, int32_t t) { return send(connection, t, 11); }
uint8_t LigarBackLite(ConnectionManager& connection, int32_t t) { return send(connection, t, 14); }
uint8_t DesligarBackLite(ConnectionManager& connection, int32_t t) { return send(connection, t, 15); }
uint8_t LigarBipIntermitente(ConnectionManager& connection, int32_t t) { return send(connection, t, 17); }
uint8_t DesligarBipIntermitente(ConnectionManager& connection, int32_t t) { return send(connection, t, 18); }
uint8_t DevolverCartao(ConnectionManager& connection, int32_t t) { return send(connection, t, 21); }
uint8_t EngolirCartao(ConnectionManager& connection, int32_t t) { return send(connection, t, 22); }
uint8_t LevantarParaOnLine(ConnectionManager& connection, int32_t t) { return send(connection, t, 26); }
uint8_t PingOnLine(ConnectionManager& connection, int32_t t) { return send(connection, t, 26); }
uint8_t LigarLedVermelho(ConnectionManager& connection, int32_t t) { return send(connection, t, 27); }
uint8_t DesligarLedVermelho(ConnectionManager& connection, int32_t t) { return send(connection, t, 28); }

}  // namespace varanda::op
