#include "config_fields.h"

#include "args.h"
#include "session.h"
#include "varanda_record.h"

namespace vtool {

namespace {

// The multi-byte fields' bytes, from the record's public layout.
constexpr int kCompanyLow = VARANDA_CFG_COMPANY_CODE, kCompanyHigh = VARANDA_CFG_COMPANY_CODE + 1;
constexpr int kMasterCardEnd = VARANDA_CFG_MASTER_CARD + VARANDA_CFG_MASTER_CARD_SIZE;
constexpr int kCardLengthsHigh = VARANDA_CFG_CARD_LENGTHS, kCardLengthsLow = VARANDA_CFG_CARD_LENGTHS + 1;
constexpr int kUnsetCompany = 0xFFFF;

using OneByte = uint8_t(VARANDA_CALL*)(uint8_t);
using Setter = OneByte Sdk::*;
using TwoBytes = uint8_t(VARANDA_CALL*)(uint8_t, uint8_t);

std::string on_off(uint8_t v) { return v ? "on" : "off"; }
std::optional<uint8_t> parse_flag(const std::string& v) {
    if (v == "on" || v == "1" || v == "yes") return 1;
    if (v == "off" || v == "0" || v == "no") return 0;
    return std::nullopt;
}

ConfigField number(std::string key, int at, int lo, int hi, Setter set, const char* name) {
    return {std::move(key), std::to_string(lo) + ".." + std::to_string(hi), {at},
            [at](const uint8_t* r) { return std::to_string(r[at]); },
            [at, lo, hi](const std::string& v, uint8_t* r) {
                const auto n = parse_number(v, lo, hi);
                if (n) r[at] = static_cast<uint8_t>(*n);
                return n.has_value();
            },
            [at, set, name](Session& s, const uint8_t* r) { return s.call(name, -1, s.sdk.*set, r[at]); }};
}

ConfigField flag(std::string key, int at, Setter set, const char* name) {
    return {std::move(key), "on|off", {at}, [at](const uint8_t* r) { return on_off(r[at]); },
            [at](const std::string& v, uint8_t* r) {
                const auto f = parse_flag(v);
                if (f) r[at] = *f;
                return f.has_value();
            },
            [at, set, name](Session& s, const uint8_t* r) { return s.call(name, -1, s.sdk.*set, r[at]); }};
}

// A yes/no whose setter stores 1 for "no" (0) and 0 for "yes".
ConfigField inverted(std::string key, int at, Setter set, const char* name) {
    return {std::move(key), "yes|no", {at}, [at](const uint8_t* r) { return std::string(r[at] == 0 ? "yes" : "no"); },
            [at](const std::string& v, uint8_t* r) {
                const auto f = parse_flag(v);
                if (f) r[at] = *f ? 0 : 1;
                return f.has_value();
            },
            [at, set, name](Session& s, const uint8_t* r) {
                return s.call(name, -1, s.sdk.*set, uint8_t(r[at] == 0 ? 1 : 0));
            }};
}

// A field of a setter with two values; `first` tells which of the two bytes this one is.
ConfigField pair_part(std::string key, std::string values, int at, int other, bool first, int lo, int hi,
                      TwoBytes Sdk::*set, const char* name, bool is_flag) {
    return {std::move(key), std::move(values), {at},
            [at, is_flag](const uint8_t* r) { return is_flag ? on_off(r[at]) : std::to_string(r[at]); },
            [at, lo, hi, is_flag](const std::string& v, uint8_t* r) {
                std::optional<long long> n = is_flag ? std::nullopt : parse_number(v, lo, hi);
                if (const auto f = parse_flag(v); is_flag && f) n = *f;
                if (n) r[at] = static_cast<uint8_t>(*n);
                return n.has_value();
            },
            [at, other, first, set, name](Session& s, const uint8_t* r) {
                return first ? s.call(name, -1, s.sdk.*set, r[at], r[other]) : s.call(name, -1, s.sdk.*set, r[other], r[at]);
            }};
}

ConfigField sensor(int n, bool event) {
    const int at = (event ? VARANDA_CFG_SENSOR_EVENT : VARANDA_CFG_SENSOR_TIME) + n - 1;
    const int other = (event ? VARANDA_CFG_SENSOR_TIME : VARANDA_CFG_SENSOR_EVENT) + n - 1;
    return {"sensor" + std::to_string(n) + (event ? "-event" : "-time"), event ? "0..5" : "0..50", {at},
            [at](const uint8_t* r) { return std::to_string(r[at]); },
            [at, event](const std::string& v, uint8_t* r) {
                const auto x = parse_number(v, 0, event ? 5 : 50);
                if (x) r[at] = static_cast<uint8_t>(*x);
                return x.has_value();
            },
            [n, at, other, event](Session& s, const uint8_t* r) {
                return s.call("DefinirEventoSensor", -1, s.sdk.DefinirEventoSensor, uint8_t(n), event ? r[at] : r[other],
                              event ? r[other] : r[at]);
            }};
}

std::string master_card_text(const uint8_t* r) {
    std::string digits;
    for (int i = VARANDA_CFG_MASTER_CARD; i < kMasterCardEnd; ++i) {
        digits += static_cast<char>('0' + (r[i] >> 4));
        digits += static_cast<char>('0' + (r[i] & 15));
    }
    const std::size_t p = digits.find_first_not_of('0');
    return p == std::string::npos ? "none" : digits.substr(p);
}

std::string card_lengths_text(const uint8_t* r) {
    const unsigned mask = unsigned(r[kCardLengthsHigh]) << 8 | r[kCardLengthsLow];
    std::string s;
    for (int n = 1; n <= 16; ++n)
        if (mask & (1u << (n - 1))) {
            if (!s.empty()) s += ',';
            s += std::to_string(n);
        }
    return s.empty() ? "none" : s;
}

ConfigField mode_field() {
    return {"mode", "offline|online", {VARANDA_CFG_MODE}, [](const uint8_t* r) { return std::string(r[VARANDA_CFG_MODE] ? "online" : "offline"); },
            [](const std::string& v, uint8_t* r) {
                if (v != "offline" && v != "online") return false;
                r[VARANDA_CFG_MODE] = v == "online";
                return true;
            },
            [](Session& s, const uint8_t* r) {
                return r[VARANDA_CFG_MODE] ? s.call("ConfigurarCorvoOnLine", -1, s.sdk.ConfigurarCorvoOnLine)
                                : s.call("ConfigurarCorvoOffLine", -1, s.sdk.ConfigurarCorvoOffLine);
            }};
}

int company_code(const uint8_t* r) { return r[kCompanyLow] | r[kCompanyHigh] << 8; }

ConfigField company_code_field() {
    return {"company-code", "0..999 (reads unset until set)", {kCompanyLow, kCompanyHigh},
            [](const uint8_t* r) { return company_code(r) == kUnsetCompany ? std::string("unset") : std::to_string(company_code(r)); },
            [](const std::string& v, uint8_t* r) {
                const auto n = parse_number(v, 0, 999);
                if (n) r[kCompanyLow] = uint8_t(*n & 0xFF), r[kCompanyHigh] = uint8_t(*n >> 8);
                return n.has_value();
            },
            [](Session& s, const uint8_t* r) -> uint8_t {
                if (company_code(r) == kUnsetCompany) return 0;  // the SDK's record starts unset
                return s.call("DefinirCodigoEmpresa", -1, s.sdk.DefinirCodigoEmpresa, int32_t(company_code(r)));
            }};
}

// Up to 14 digits, right-aligned, two digits a byte.
bool put_master_card(const std::string& v, uint8_t* r) {
    const std::string digits = v == "none" ? "" : v;
    if (digits.size() > 14 || digits.find_first_not_of("0123456789") != std::string::npos) return false;
    for (int i = VARANDA_CFG_MASTER_CARD; i < kMasterCardEnd; ++i) r[i] = 0;
    for (std::size_t k = 0; k < digits.size(); ++k) {
        const std::size_t pos = 13 - (digits.size() - 1 - k);
        r[VARANDA_CFG_MASTER_CARD + pos / 2] |= uint8_t((digits[k] - '0') << (pos % 2 ? 0 : 4));
    }
    return true;
}

ConfigField master_card_field() {
    std::vector<int> bytes;
    for (int i = VARANDA_CFG_MASTER_CARD; i < kMasterCardEnd; ++i) bytes.push_back(i);
    return {"master-card", "up to 14 digits, or none", bytes, master_card_text, put_master_card,
            [](Session& s, const uint8_t* r) {
                const std::string text = master_card_text(r);
                return s.call("DefinirNumeroCartaoMaster", -1, s.sdk.DefinirNumeroCartaoMaster,
                              text == "none" ? static_cast<const char*>(nullptr) : text.c_str());
            }};
}

bool put_card_lengths(const std::string& v, uint8_t* r) {
    unsigned mask = 0;
    if (v != "none") {
        std::string error;
        const auto list = parse_terminal_list(v, error);  // the same list syntax
        if (!list) return false;
        for (int32_t n : *list) {
            if (n < 1 || n > 16) return false;
            mask |= 1u << (n - 1);
        }
    }
    r[kCardLengthsHigh] = uint8_t(mask >> 8);
    r[kCardLengthsLow] = uint8_t(mask & 0xFF);
    return true;
}

ConfigField card_lengths_field() {
    return {"card-lengths", "lengths 1..16 as a list (8,10,14), or none", {kCardLengthsHigh, kCardLengthsLow},
            card_lengths_text, put_card_lengths, [](Session& s, const uint8_t* r) {
                uint8_t code = s.call("InserirQuantidadeDigitoVariavel", -1, s.sdk.InserirQuantidadeDigitoVariavel, uint8_t{0});
                const unsigned mask = unsigned(r[kCardLengthsHigh]) << 8 | r[kCardLengthsLow];
                for (int n = 1; n <= 16 && code == 0; ++n)
                    if (mask & (1u << (n - 1)))
                        code = s.call("InserirQuantidadeDigitoVariavel", -1, s.sdk.InserirQuantidadeDigitoVariavel, uint8_t(n));
                return code;
            }};
}

ConfigField wiegand_field() {
    ConfigField f = number("wiegand-two-readers", VARANDA_CFG_WIEGAND_TWO_READERS, 0, 3, nullptr, "");
    f.values = "0..3 (1 first reader, 2 second, 3 both)";
    f.apply = [](Session& s, const uint8_t* r) {
        return s.call("ConfigurarWiegandDoisLeitores", -1, s.sdk.ConfigurarWiegandDoisLeitores, uint8_t(r[VARANDA_CFG_WIEGAND_TWO_READERS] & 1),
                      uint8_t(r[VARANDA_CFG_WIEGAND_TWO_READERS] & 2));
    };
    return f;
}

// The record's first half, in byte order.
void first_fields(std::vector<ConfigField>& f) {
    f.push_back(mode_field());
    f.push_back(pair_part("keypad", "on|off", VARANDA_CFG_KEYPAD, VARANDA_CFG_SECOND_KEYPAD_OPTION, true, 0, 1, &Sdk::HabilitarTeclado, "HabilitarTeclado", true));
    f.push_back(pair_part("relay1-mode", "0..9", VARANDA_CFG_RELAY1_MODE, VARANDA_CFG_RELAY1_TIME, true, 0, 9, &Sdk::ConfigurarAcionamento1, "ConfigurarAcionamento1", false));
    f.push_back(pair_part("relay2-mode", "0..9", VARANDA_CFG_RELAY2_MODE, VARANDA_CFG_RELAY2_TIME, true, 0, 9, &Sdk::ConfigurarAcionamento2, "ConfigurarAcionamento2", false));
    f.push_back(pair_part("relay1-time", "0..50", VARANDA_CFG_RELAY1_TIME, VARANDA_CFG_RELAY1_MODE, false, 0, 50, &Sdk::ConfigurarAcionamento1, "ConfigurarAcionamento1", false));
    f.push_back(pair_part("relay2-time", "0..50", VARANDA_CFG_RELAY2_TIME, VARANDA_CFG_RELAY2_MODE, false, 0, 50, &Sdk::ConfigurarAcionamento2, "ConfigurarAcionamento2", false));
    f.push_back(number("reader-type", VARANDA_CFG_READER_TYPE, 0, 6, &Sdk::ConfigurarTipoLeitor, "ConfigurarTipoLeitor"));
    f.push_back(number("reader1-function", VARANDA_CFG_READER1_FUNCTION, 0, 4, &Sdk::ConfigurarLeitor1, "ConfigurarLeitor1"));
    f.push_back(number("reader2-function", VARANDA_CFG_READER2_FUNCTION, 0, 4, &Sdk::ConfigurarLeitor2, "ConfigurarLeitor2"));
    f.push_back(company_code_field());
    f.push_back(number("access-level", VARANDA_CFG_ACCESS_LEVEL, 0, 9, &Sdk::DefinirNivelAcesso, "DefinirNivelAcesso"));
    f.push_back(flag("access-password", VARANDA_CFG_ACCESS_PASSWORD, &Sdk::UtilizarSenhaAcesso, "UtilizarSenhaAcesso"));
    f.push_back(number("access-list-type", VARANDA_CFG_ACCESS_LIST_TYPE, 0, 2, &Sdk::DefinirTipoListaAcesso, "DefinirTipoListaAcesso"));
    f.push_back(number("card-digits", VARANDA_CFG_CARD_DIGITS, 1, 16, &Sdk::DefinirQuantidadeDigitosCartao, "DefinirQuantidadeDigitosCartao"));
    f.push_back(flag("memory-full-warning", VARANDA_CFG_MEMORY_FULL_WARNING, &Sdk::AvisarQuandoMemoriaCheia, "AvisarQuandoMemoriaCheia"));
    f.push_back(number("inspection-percent", VARANDA_CFG_INSPECTION_PERCENT, 0, 100, &Sdk::DefinirPorcentagemRevista, "DefinirPorcentagemRevista"));
    f.push_back(number("record-denied", VARANDA_CFG_DENIED_ACCESS_LOG, 0, 3, &Sdk::RegistrarAcessoNegado, "RegistrarAcessoNegado"));
    f.push_back(inverted("master-card-release", VARANDA_CFG_MASTER_CARD_RELEASE, &Sdk::CartaoMasterLiberaAcesso, "CartaoMasterLiberaAcesso"));
    f.push_back(number("relay-logic", VARANDA_CFG_RELAY_LOGIC, 0, 1, &Sdk::DefinirLogicaRele, "DefinirLogicaRele"));
    f.push_back(flag("turnstile-switch-lock-off", VARANDA_CFG_MICRO_SWITCH_LOCK_OFF, &Sdk::DesabilitarBloqueioCatracaMicroSwitch,
                     "DesabilitarBloqueioCatracaMicroSwitch"));
    f.push_back(pair_part("keypad-option2", "on|off", VARANDA_CFG_SECOND_KEYPAD_OPTION, VARANDA_CFG_KEYPAD, false, 0, 1, &Sdk::HabilitarTeclado, "HabilitarTeclado", true));
    f.push_back(number("reader-default-function", VARANDA_CFG_PROXIMITY_DEFAULT, 0, 12, &Sdk::DefinirFuncaoDefaultLeitoresProximidade,
                       "DefinirFuncaoDefaultLeitoresProximidade"));
}

// Its second half.
void last_fields(std::vector<ConfigField>& f) {
    f.push_back(master_card_field());
    f.push_back(number("display-pictograms", VARANDA_CFG_PICTOGRAM_FORMS, 0, 8, &Sdk::DefinirFormasPictogramasQuadrante,
                       "DefinirFormasPictogramasQuadrante"));
    f.push_back(flag("turnstile-beep-off", VARANDA_CFG_TURNSTILE_BEEP_OFF, &Sdk::DesabilitarBipCatraca, "DesabilitarBipCatraca"));
    for (int n = 1; n <= 3; ++n) f.push_back(sensor(n, true));
    for (int n = 1; n <= 3; ++n) f.push_back(sensor(n, false));
    f.push_back(inverted("bio-enrolment", VARANDA_CFG_BIO_ENROLMENT, &Sdk::PermitirCadastroCorvoBioOssel, "PermitirCadastroCorvoBioOssel"));
    f.push_back(flag("online-date-time", VARANDA_CFG_ONLINE_DATE_TIME, &Sdk::ReceberDataHoraDadosOnLine, "ReceberDataHoraDadosOnLine"));
    f.push_back(card_lengths_field());
    f.push_back(wiegand_field());
    f.push_back(number("bio-default-function", VARANDA_CFG_BIO_SENSOR_DEFAULT, 0, 12, &Sdk::DefinirFuncaoDefaultSensorBiometria,
                       "DefinirFuncaoDefaultSensorBiometria"));
    f.push_back(number("sensor1-function", VARANDA_CFG_SENSOR1_FUNCTION, 0, 255, &Sdk::DefinirFuncaoSensor1, "DefinirFuncaoSensor1"));
    f.push_back(number("encryption", VARANDA_CFG_ENCRYPTION, 0, 255, &Sdk::HabilitarCriptografia, "HabilitarCriptografia"));
    f.push_back(flag("index-search", VARANDA_CFG_INDEX_SEARCH, &Sdk::ConfigurarComportamentoIndexSearch, "ConfigurarComportamentoIndexSearch"));
    f.push_back(flag("bio-variable", VARANDA_CFG_BIO_VARIABLE, &Sdk::ConfigurarBioVariavel, "ConfigurarBioVariavel"));
}

std::vector<ConfigField> build() {
    std::vector<ConfigField> f;
    first_fields(f);
    last_fields(f);
    return f;
}

}  // namespace

const std::vector<ConfigField>& config_fields() {
    static const std::vector<ConfigField> fields = build();
    return fields;
}

const ConfigField* find_config_field(const std::string& key) {
    for (const ConfigField& f : config_fields())
        if (f.key == key) return &f;
    return nullptr;
}

std::string config_key_of_byte(int byte) {
    for (const ConfigField& f : config_fields())
        for (int b : f.bytes)
            if (b == byte) return f.key;
    return {};
}

}  // namespace vtool
