// The configuration setters of one byte field each, and the reader presets.
#include "config/configuration_record.h"
#include "config/record_field.h"
#include "varanda_ops.h"

namespace varanda::op {

using R = ConfigurationRecord;
using record_field::flag;
using record_field::inverted_flag;
using record_field::store;
using record_field::store_ranged;

uint8_t ConfigurarCorvoOffLine(R& config) { return store(config, R::kMode, 0); }
uint8_t ConfigurarCorvoOnLine(R& config) { return store(config, R::kMode, 1); }

uint8_t ConfigurarTipoLeitor(R& config, uint8_t v) { return store_ranged(config, R::kReaderType, v, 6); }
uint8_t ConfigurarLeitor1(R& config, uint8_t v) { return store_ranged(config, R::kReader1Function, v, 4); }
uint8_t ConfigurarLeitor2(R& config, uint8_t v) { return store_ranged(config, R::kReader2Function, v, 4); }
uint8_t DefinirNivelAcesso(R& config, uint8_t v) { return store_ranged(config, R::kAccessLevel, v, 9); }
uint8_t DefinirTipoListaAcesso(R& config, uint8_t v) { return store_ranged(config, R::kAccessListType, v, 2); }
uint8_t DefinirQuantidadeDigitosCartao(R& config, uint8_t v) { return store_ranged(config, R::kCardDigits, v, 16, 1); }
uint8_t DefinirPorcentagemRevista(R& config, uint8_t v) { return store_ranged(config, R::kInspectionPercent, v, 100); }
uint8_t RegistrarAcessoNegado(R& config, uint8_t v) { return store_ranged(config, R::kDeniedAccessLog, v, 3); }
uint8_t DefinirLogicaRele(R& config, uint8_t v) { return store_ranged(config, R::kRelayLogic, v, 1); }
uint8_t DefinirFuncaoDefaultLeitoresProximidade(R& config, uint8_t v) {
    return store_ranged(config, R::kProximityDefault, v, 12);
}
uint8_t DefinirFormasPictogramasQuadrante(R& config, uint8_t v) {
    return store_ranged(config, R::kPictogramForms, v, 8);
}
uint8_t DefinirFuncaoDefaultSensorBiometria(R& config, uint8_t v) {
    return store_ranged(config, R::kBioSensorDefault, v, 12);
}

uint8_t UtilizarSenhaAcesso(R& config, uint8_t v) { return store(config, R::kAccessPassword, flag(v)); }
uint8_t AvisarQuandoMemoriaCheia(R& config, uint8_t v) { return store(config, R::kMemoryFullWarning, flag(v)); }
uint8_t DesabilitarBloqueioCatracaMicroSwitch(R& config, uint8_t v) {
    return store(config, R::kMicroSwitchLockOff, flag(v));
}
uint8_t DesabilitarBipCatraca(R& config, uint8_t v) { return store(config, R::kTurnstileBeepOff, flag(v)); }
uint8_t ReceberDataHoraDadosOnLine(R& config, uint8_t v) { return store(config, R::kOnlineDateTime, flag(v)); }
uint8_t ConfigurarComportamentoIndexSearch(R& config, uint8_t v) { return store(config, R::kIndexSearch, flag(v)); }
uint8_t ConfigurarBioVariavel(R& config, uint8_t v) { return store(config, R::kBioVariable, flag(v)); }

uint8_t CartaoMasterLiberaAcesso(R& config, uint8_t v) {
    return store(config, R::kMasterCardRelease, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBioOssel(R& config, uint8_t v) {
    return store(config, R::kBioEnrolment, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBio(R& config, uint8_t v) { return store(config, R::kBioEnrolment, inverted_flag(v)); }

uint8_t DefinirFuncaoSensor1(R& config, uint8_t v) { return store(config, R::kSensor1Function, v); }
uint8_t HabilitarCriptografia(R& config, uint8_t v) { return store(config, R::kEncryption, v); }

// Reader presets: the reader type and the card digit count together.
namespace {
uint8_t preset(R& config, uint8_t type, uint8_t digits) {
    config.bytes[R::kReaderType] = type;
    config.bytes[R::kCardDigits] = digits;
    return rc::kOk;
}
}  // namespace

uint8_t ConfigurarLeitorProximidadeHIDAbaTrack2(R& config) { return preset(config, 2, 8); }
uint8_t ConfigurarLeitorProximidadeMotorolaAbaTrack2(R& config) { return preset(config, 2, 10); }
uint8_t ConfigurarLeitorProximidadeWiegand(R& config) { return preset(config, 3, 6); }
uint8_t ConfigurarLeitorProximidadeSmartCard(R& config) { return preset(config, 4, 10); }
uint8_t ConfigurarLeitorProximidadeAcura(R& config) { return preset(config, 2, 14); }
uint8_t ConfigurarLeitorProximidadeWiegandFacilityCode(R& config) { return preset(config, 3, 10); }
uint8_t ConfigurarLeitorProximidadeSmartCardAcura(R& config) { return preset(config, 2, 10); }
uint8_t ConfigurarLeitorWiegandFacilityCodeSemSeparador(R& config) { return preset(config, 6, 8); }

}  // namespace varanda::op
