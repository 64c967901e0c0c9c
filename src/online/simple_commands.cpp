// The online actions that are one command without payload.
#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
uint8_t send(ApiFacade& f, int32_t terminal, int32_t command) {
    return f.connection().SendCommand(terminal, nullptr, command, 0);
}
}  // namespace

uint8_t AcionarRele1(ApiFacade& f, int32_t t) { return send(f, t, 1); }
uint8_t AcionarRele2(ApiFacade& f, int32_t t) { return send(f, t, 2); }
uint8_t EnviarComandoAcessoNegado(ApiFacade& f, int32_t t) { return send(f, t, 3); }
uint8_t ManterRele1Acionado(ApiFacade& f, int32_t t) { return send(f, t, 4); }
uint8_t ManterRele2Acionado(ApiFacade& f, int32_t t) { return send(f, t, 5); }
uint8_t DesabilitarRele1(ApiFacade& f, int32_t t) { return send(f, t, 6); }
uint8_t DesabilitarRele2(ApiFacade& f, int32_t t) { return send(f, t, 7); }
uint8_t AcionarBipCurto(ApiFacade& f, int32_t t) { return send(f, t, 8); }
uint8_t AcionarBipLongo(ApiFacade& f, int32_t t) { return send(f, t, 9); }
uint8_t Ping(ApiFacade& f, int32_t t) { return send(f, t, 10); }
uint8_t ResetarModoOnLine(ApiFacade& f, int32_t t) { return send(f, t, 11); }
uint8_t LigarBackLite(ApiFacade& f, int32_t t) { return send(f, t, 14); }
uint8_t DesligarBackLite(ApiFacade& f, int32_t t) { return send(f, t, 15); }
uint8_t LigarBipIntermitente(ApiFacade& f, int32_t t) { return send(f, t, 17); }
uint8_t DesligarBipIntermitente(ApiFacade& f, int32_t t) { return send(f, t, 18); }
uint8_t DevolverCartao(ApiFacade& f, int32_t t) { return send(f, t, 21); }
uint8_t EngolirCartao(ApiFacade& f, int32_t t) { return send(f, t, 22); }
uint8_t LevantarParaOnLine(ApiFacade& f, int32_t t) { return send(f, t, 26); }
uint8_t PingOnLine(ApiFacade& f, int32_t t) { return send(f, t, 26); }
uint8_t LigarLedVermelho(ApiFacade& f, int32_t t) { return send(f, t, 27); }
uint8_t DesligarLedVermelho(ApiFacade& f, int32_t t) { return send(f, t, 28); }

}  // namespace varanda::op
