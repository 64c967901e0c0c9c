// The online actions that are one command without payload.
#include "comm/connection_manager.h"
#include "varanda_ops.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
namespace C = wire::command;

uint8_t send(ConnectionManager& connection, int32_t terminal, int32_t command) {
    return connection.SendCommand(terminal, nullptr, command, 0);
}
}  // namespace

uint8_t AcionarRele1(ConnectionManager& c, int32_t t) { return send(c, t, C::kPulseRelay1); }
uint8_t AcionarRele2(ConnectionManager& c, int32_t t) { return send(c, t, C::kPulseRelay2); }
uint8_t EnviarComandoAcessoNegado(ConnectionManager& c, int32_t t) { return send(c, t, C::kDenyAccess); }
uint8_t ManterRele1Acionado(ConnectionManager& c, int32_t t) { return send(c, t, C::kHoldRelay1); }
uint8_t ManterRele2Acionado(ConnectionManager& c, int32_t t) { return send(c, t, C::kHoldRelay2); }
uint8_t DesabilitarRele1(ConnectionManager& c, int32_t t) { return send(c, t, C::kReleaseRelay1); }
uint8_t DesabilitarRele2(ConnectionManager& c, int32_t t) { return send(c, t, C::kReleaseRelay2); }
uint8_t AcionarBipCurto(ConnectionManager& c, int32_t t) { return send(c, t, C::kShortBeep); }
uint8_t AcionarBipLongo(ConnectionManager& c, int32_t t) { return send(c, t, C::kLongBeep); }
uint8_t Ping(ConnectionManager& c, int32_t t) { return send(c, t, C::kPing); }
uint8_t ResetarModoOnLine(ConnectionManager& c, int32_t t) { return send(c, t, C::kResetOnline); }
uint8_t LigarBackLite(ConnectionManager& c, int32_t t) { return send(c, t, C::kBacklightOn); }
uint8_t DesligarBackLite(ConnectionManager& c, int32_t t) { return send(c, t, C::kBacklightOff); }
uint8_t LigarBipIntermitente(ConnectionManager& c, int32_t t) { return send(c, t, C::kIntermittentBeepOn); }
uint8_t DesligarBipIntermitente(ConnectionManager& c, int32_t t) { return send(c, t, C::kIntermittentBeepOff); }
uint8_t DevolverCartao(ConnectionManager& c, int32_t t) { return send(c, t, C::kReturnCard); }
uint8_t EngolirCartao(ConnectionManager& c, int32_t t) { return send(c, t, C::kRetainCard); }
uint8_t LevantarParaOnLine(ConnectionManager& c, int32_t t) { return send(c, t, C::kRaiseOnline); }
uint8_t PingOnLine(ConnectionManager& c, int32_t t) { return send(c, t, C::kRaiseOnline); }
uint8_t LigarLedVermelho(ConnectionManager& c, int32_t t) { return send(c, t, C::kRedLedOn); }
uint8_t DesligarLedVermelho(ConnectionManager& c, int32_t t) { return send(c, t, C::kRedLedOff); }

}  // namespace varanda::op
