// The configuration setters of one byte field each, and the reader presets.
#include "api/facade.h"
#include "config/record_field.h"
#include "varanda_ops.h"

namespace varanda::op {

using R = ConfigurationRecord;
using record_field::flag;
using record_field::inverted_flag;
using record_field::store;
using record_field::store_ranged;

uint8_t ConfigurarCorvoOffLine(ApiFacade& f) { return store(f.config, R::kMode, 0); }
uint8_t ConfigurarCorvoOnLine(ApiFacade& f) { return store(f.config, R::kMode, 1); }

uint8_t ConfigurarTipoLeitor(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kReaderType, v, 6); }
uint8_t ConfigurarLeitor1(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kReader1Function, v, 4); }
uint8_t ConfigurarLeitor2(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kReader2Function, v, 4); }
uint8_t DefinirNivelAcesso(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kAccessLevel, v, 9); }
uint8_t DefinirTipoListaAcesso(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kAccessListType, v, 2); }
uint8_t DefinirQuantidadeDigitosCartao(ApiFacade& f, uint8_t v) {
    return store_ranged(f.config, R::kCardDigits, v, 16, 1);
}
uint8_t DefinirPorcentagemRevista(ApiFacade& f, uint8_t v) {
    return store_ranged(f.config, R::kInspectionPercent, v, 100);
}
uint8_t RegistrarAcessoNegado(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kDeniedAccessLog, v, 3); }
uint8_t DefinirLogicaRele(ApiFacade& f, uint8_t v) { return store_ranged(f.config, R::kRelayLogic, v, 1); }
uint8_t DefinirFuncaoDefaultLeitoresProximidade(ApiFacade& f, uint8_t v) {
    return store_ranged(f.config, R::kProximityDefault, v, 12);
}
uint8_t DefinirFormasPictogramasQuadrante(ApiFacade& f, uint8_t v) {
    return store_ranged(f.config, R::kPictogramForms, v, 8);
}
uint8_t DefinirFuncaoDefaultSensorBiometria(ApiFacade& f, uint8_t v) {
    return store_ranged(f.config, R::kBioSensorDefault, v, 12);
}

uint8_t UtilizarSenhaAcesso(ApiFacade& f, uint8_t v) { return store(f.config, R::kAccessPassword, flag(v)); }
uint8_t AvisarQuandoMemoriaCheia(ApiFacade& f, uint8_t v) { return store(f.config, R::kMemoryFullWarning, flag(v)); }
uint8_t DesabilitarBloqueioCatracaMicroSwitch(ApiFacade& f, uint8_t v) {
    return store(f.config, R::kMicroSwitchLockOff, flag(v));
}
uint8_t DesabilitarBipCatraca(ApiFacade& f, uint8_t v) { return store(f.config, R::kTurnstileBeepOff, flag(v)); }
uint8_t ReceberDataHoraDadosOnLine(ApiFacade& f, uint8_t v) { return store(f.config, R::kOnlineDateTime, flag(v)); }
uint8_t ConfigurarComportamentoIndexSearch(ApiFacade& f, uint8_t v) {
    return store(f.config, R::kIndexSearch, flag(v));
}
uint8_t ConfigurarBioVariavel(ApiFacade& f, uint8_t v) { return store(f.config, R::kBioVariable, flag(v)); }

uint8_t CartaoMasterLiberaAcesso(ApiFacade& f, uint8_t v) {
    return store(f.config, R::kMasterCardRelease, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBioOssel(ApiFacade& f, uint8_t v) {
    return store(f.config, R::kBioEnrolment, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBio(ApiFacade& f, uint8_t v) { return store(f.config, R::kBioEnrolment, inverted_flag(v)); }

uint8_t DefinirFuncaoSensor1(ApiFacade& f, uint8_t v) { return store(f.config, R::kSensor1Function, v); }
uint8_t HabilitarCriptografia(ApiFacade& f, uint8_t v) { return store(f.config, R::kEncryption, v); }

// Reader presets: the reader type and the card digit count together.
namespace {
uint8_t preset(ApiFacade& f, uint8_t type, uint8_t digits) {
    f.config.bytes[R::kReaderType] = type;
    f.config.bytes[R::kCardDigits] = digits;
    return rc::kOk;
}
}  // namespace

uint8_t ConfigurarLeitorProximidadeHIDAbaTrack2(ApiFacade& f) { return preset(f, 2, 8); }
uint8_t ConfigurarLeitorProximidadeMotorolaAbaTrack2(ApiFacade& f) { return preset(f, 2, 10); }
uint8_t ConfigurarLeitorProximidadeWiegand(ApiFacade& f) { return preset(f, 3, 6); }
uint8_t ConfigurarLeitorProximidadeSmartCard(ApiFacade& f) { return preset(f, 4, 10); }
uint8_t ConfigurarLeitorProximidadeAcura(ApiFacade& f) { return preset(f, 2, 14); }
uint8_t ConfigurarLeitorProximidadeWiegandFacilityCode(ApiFacade& f) { return preset(f, 3, 10); }
uint8_t ConfigurarLeitorProximidadeSmartCardAcura(ApiFacade& f) { return preset(f, 2, 10); }
uint8_t ConfigurarLeitorWiegandFacilityCodeSemSeparador(ApiFacade& f) { return preset(f, 6, 8); }

}  // namespace varanda::op
