// The configuration setters of one byte field each, and the reader presets.
#include "config/configuration_record.h"
#include "config/record_field.h"
#include "varanda_ops.h"

namespace varanda::op {

using Record = ConfigurationRecord;
using record_field::flag;
using record_field::inverted_flag;
using record_field::store;
using record_field::store_ranged;

uint8_t ConfigurarCorvoOffLine(Record& config) { return store(config, Record::kMode, 0); }
uint8_t ConfigurarCorvoOnLine(Record& config) { return store(config, Record::kMode, 1); }

uint8_t ConfigurarTipoLeitor(Record& config, uint8_t v) { return store_ranged(config, Record::kReaderType, v, 6); }
uint8_t ConfigurarLeitor1(Record& config, uint8_t v) { return store_ranged(config, Record::kReader1Function, v, 4); }
uint8_t ConfigurarLeitor2(Record& config, uint8_t v) { return store_ranged(config, Record::kReader2Function, v, 4); }
uint8_t DefinirNivelAcesso(Record& config, uint8_t v) { return store_ranged(config, Record::kAccessLevel, v, 9); }
uint8_t DefinirTipoListaAcesso(Record& config, uint8_t v) {
    return store_ranged(config, Record::kAccessListType, v, 2);
}
uint8_t DefinirQuantidadeDigitosCartao(Record& config, uint8_t v) {
    return store_ranged(config, Record::kCardDigits, v, 16, 1);
}
uint8_t DefinirPorcentagemRevista(Record& config, uint8_t v) {
    return store_ranged(config, Record::kInspectionPercent, v, 100);
}
uint8_t RegistrarAcessoNegado(Record& config, uint8_t v) {
    return store_ranged(config, Record::kDeniedAccessLog, v, 3);
}
uint8_t DefinirLogicaRele(Record& config, uint8_t v) { return store_ranged(config, Record::kRelayLogic, v, 1); }
uint8_t DefinirFuncaoDefaultLeitoresProximidade(Record& config, uint8_t v) {
    return store_ranged(config, Record::kProximityDefault, v, 12);
}
uint8_t DefinirFormasPictogramasQuadrante(Record& config, uint8_t v) {
    return store_ranged(config, Record::kPictogramForms, v, 8);
}
uint8_t DefinirFuncaoDefaultSensorBiometria(Record& config, uint8_t v) {
    return store_ranged(config, Record::kBioSensorDefault, v, 12);
}

uint8_t UtilizarSenhaAcesso(Record& config, uint8_t v) { return store(config, Record::kAccessPassword, flag(v)); }
uint8_t AvisarQuandoMemoriaCheia(Record& config, uint8_t v) {
    return store(config, Record::kMemoryFullWarning, flag(v));
}
uint8_t DesabilitarBloqueioCatracaMicroSwitch(Record& config, uint8_t v) {
    return store(config, Record::kMicroSwitchLockOff, flag(v));
}
uint8_t DesabilitarBipCatraca(Record& config, uint8_t v) { return store(config, Record::kTurnstileBeepOff, flag(v)); }
uint8_t ReceberDataHoraDadosOnLine(Record& config, uint8_t v) {
    return store(config, Record::kOnlineDateTime, flag(v));
}
uint8_t ConfigurarComportamentoIndexSearch(Record& config, uint8_t v) {
    return store(config, Record::kIndexSearch, flag(v));
}
uint8_t ConfigurarBioVariavel(Record& config, uint8_t v) { return store(config, Record::kBioVariable, flag(v)); }

uint8_t CartaoMasterLiberaAcesso(Record& config, uint8_t v) {
    return store(config, Record::kMasterCardRelease, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBioOssel(Record& config, uint8_t v) {
    return store(config, Record::kBioEnrolment, inverted_flag(v));
}
uint8_t PermitirCadastroCorvoBio(Record& config, uint8_t v) {
    return store(config, Record::kBioEnrolment, inverted_flag(v));
}

uint8_t DefinirFuncaoSensor1(Record& config, uint8_t v) { return store(config, Record::kSensor1Function, v); }
uint8_t HabilitarCriptografia(Record& config, uint8_t v) { return store(config, Record::kEncryption, v); }

// Reader presets: the reader type and the card digit count together.
namespace {
// The reader types the presets choose.
constexpr uint8_t kAbaTrack2Reader = 2, kWiegandReader = 3, kSmartCardReader = 4, kWiegandNoSeparatorReader = 6;

struct ReaderPreset {
    uint8_t type;
    uint8_t card_digits;
};
constexpr ReaderPreset kHidAbaTrack2{kAbaTrack2Reader, 8}, kMotorolaAbaTrack2{kAbaTrack2Reader, 10},
    kAcura{kAbaTrack2Reader, 14}, kSmartCardAcura{kAbaTrack2Reader, 10}, kWiegand{kWiegandReader, 6},
    kWiegandFacilityCode{kWiegandReader, 10}, kSmartCard{kSmartCardReader, 10},
    kWiegandFacilityCodeNoSeparator{kWiegandNoSeparatorReader, 8};

uint8_t preset(Record& config, const ReaderPreset& reader) {
    config.bytes[Record::kReaderType] = reader.type;
    config.bytes[Record::kCardDigits] = reader.card_digits;
    return rc::kOk;
}
}  // namespace

uint8_t ConfigurarLeitorProximidadeHIDAbaTrack2(Record& config) { return preset(config, kHidAbaTrack2); }
uint8_t ConfigurarLeitorProximidadeMotorolaAbaTrack2(Record& config) { return preset(config, kMotorolaAbaTrack2); }
uint8_t ConfigurarLeitorProximidadeWiegand(Record& config) { return preset(config, kWiegand); }
uint8_t ConfigurarLeitorProximidadeSmartCard(Record& config) { return preset(config, kSmartCard); }
uint8_t ConfigurarLeitorProximidadeAcura(Record& config) { return preset(config, kAcura); }
uint8_t ConfigurarLeitorProximidadeWiegandFacilityCode(Record& config) { return preset(config, kWiegandFacilityCode); }
uint8_t ConfigurarLeitorProximidadeSmartCardAcura(Record& config) { return preset(config, kSmartCardAcura); }
uint8_t ConfigurarLeitorWiegandFacilityCodeSemSeparador(Record& config) {
    return preset(config, kWiegandFacilityCodeNoSeparator);
}

}  // namespace varanda::op
