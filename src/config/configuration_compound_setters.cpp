// The configuration setters that write more than one byte or compute their
// byte: keypad, relays, company code, master card, sensor events, accepted
// card lengths, Wiegand readers.
#include <string_view>

#include "config/configuration_record.h"
#include "config/record_field.h"
#include "varanda_ops.h"
#include "wire/byte_order.h"
#include "wire/card_bcd.h"

namespace varanda::op {

using Record = ConfigurationRecord;
using record_field::flag;

uint8_t HabilitarTeclado(ConfigurationRecord& config, uint8_t enable, uint8_t second_option) {
    config.bytes[Record::kKeypad] = flag(enable);
    config.bytes[Record::kSecondKeypadOption] = flag(second_option);
    return rc::kOk;
}

namespace {
constexpr uint8_t kMaxRelayMode = 9;
constexpr uint8_t kMaxTime = 50;  // relay and sensor times, in the terminal's unit

// Either argument out of range gives 128.
uint8_t set_relay(ConfigurationRecord& config, int mode_offset, int time_offset, uint8_t mode, uint8_t time) {
    if (mode > kMaxRelayMode || time > kMaxTime) return rc::bad_arg(0);
    config.bytes[mode_offset] = mode;
    config.bytes[time_offset] = time;
    return rc::kOk;
}
}  // namespace

uint8_t ConfigurarAcionamento1(ConfigurationRecord& config, uint8_t mode, uint8_t time) {
    return set_relay(config, Record::kRelay1Mode, Record::kRelay1Time, mode, time);
}
uint8_t ConfigurarAcionamento2(ConfigurationRecord& config, uint8_t mode, uint8_t time) {
    return set_relay(config, Record::kRelay2Mode, Record::kRelay2Time, mode, time);
}

uint8_t DefinirCodigoEmpresa(ConfigurationRecord& config, int32_t code) {
    // The code travels as a 16-bit value; only those bits of the argument count.
    const uint16_t value = static_cast<uint16_t>(code);
    if (value > 999) return rc::bad_arg(0);
    wire::put_u16_le(&config.bytes[Record::kCompanyCode], value);
    return rc::kOk;
}

uint8_t DefinirNumeroCartaoMaster(ConfigurationRecord& config, const char* number) {
    constexpr std::size_t kMaxDigits = 2 * Record::kMasterCardSize;
    std::string_view digits;
    if (number != nullptr) {
        // Never read further than one character past what the field holds.
        std::size_t n = 0;
        while (n <= kMaxDigits && number[n] != '\0') ++n;
        if (n > kMaxDigits) return rc::bad_arg(0);
        digits = std::string_view(number, n);
    }
    // Clears the field first; the check above makes the digits fit.
    wire::pack_card_bcd(digits, config.bytes.data() + Record::kMasterCard, Record::kMasterCardSize);
    return rc::kOk;
}

uint8_t DefinirEventoSensor(ConfigurationRecord& config, uint8_t sensor, uint8_t event, uint8_t time) {
    if (sensor < 1 || sensor > 3) return rc::bad_arg(0);
    if (event > 5) return rc::bad_arg(1);
    if (time > kMaxTime) return rc::bad_arg(2);
    config.bytes[Record::kSensorEvent + sensor - 1] = event;
    config.bytes[Record::kSensorTime + sensor - 1] = time;
    return rc::kOk;
}

uint8_t InserirQuantidadeDigitoVariavel(ConfigurationRecord& config, uint8_t length) {
    if (length > 16) return rc::bad_arg(0);
    uint16_t mask = wire::get_u16_be(&config.bytes[Record::kCardLengths]);
    mask = length == 0 ? 0 : static_cast<uint16_t>(mask | 1u << (length - 1));
    wire::put_u16_be(&config.bytes[Record::kCardLengths], mask);
    return rc::kOk;
}

uint8_t ConfigurarWiegandDoisLeitores(ConfigurationRecord& config, uint8_t first, uint8_t second) {
    config.bytes[Record::kWiegandTwoReaders] = static_cast<uint8_t>((first != 0 ? 1 : 0) + (second != 0 ? 2 : 0));
    return rc::kOk;
}

}  // namespace varanda::op
