// The 50-byte offline configuration record (command 100), sent exactly as
// laid out here. The setters change single fields; nothing resets the record
// after the facade has been created.
#pragma once
#include <array>
#include <cstdint>

#include "varanda_record.h"

namespace varanda {

struct ConfigurationRecord {
    static constexpr int kSize = VARANDA_CFG_SIZE;

    // Field offsets: the public layout's names.
    static constexpr int kMode = VARANDA_CFG_MODE;
    static constexpr int kKeypad = VARANDA_CFG_KEYPAD;
    static constexpr int kRelay1Mode = VARANDA_CFG_RELAY1_MODE;
    static constexpr int kRelay2Mode = VARANDA_CFG_RELAY2_MODE;
    static constexpr int kRelay1Time = VARANDA_CFG_RELAY1_TIME;
    static constexpr int kRelay2Time = VARANDA_CFG_RELAY2_TIME;
    static constexpr int kReaderType = VARANDA_CFG_READER_TYPE;
    static constexpr int kReader1Function = VARANDA_CFG_READER1_FUNCTION;
    static constexpr int kReader2Function = VARANDA_CFG_READER2_FUNCTION;
    static constexpr int kCompanyCode = VARANDA_CFG_COMPANY_CODE;
    static constexpr int kAccessLevel = VARANDA_CFG_ACCESS_LEVEL;
    static constexpr int kAccessPassword = VARANDA_CFG_ACCESS_PASSWORD;
    static constexpr int kAccessListType = VARANDA_CFG_ACCESS_LIST_TYPE;
    static constexpr int kCardDigits = VARANDA_CFG_CARD_DIGITS;
    static constexpr int kMemoryFullWarning = VARANDA_CFG_MEMORY_FULL_WARNING;
    static constexpr int kInspectionPercent = VARANDA_CFG_INSPECTION_PERCENT;
    static constexpr int kDeniedAccessLog = VARANDA_CFG_DENIED_ACCESS_LOG;
    static constexpr int kMasterCardRelease = VARANDA_CFG_MASTER_CARD_RELEASE;
    static constexpr int kRelayLogic = VARANDA_CFG_RELAY_LOGIC;
    static constexpr int kMicroSwitchLockOff = VARANDA_CFG_MICRO_SWITCH_LOCK_OFF;
    static constexpr int kSecondKeypadOption = VARANDA_CFG_SECOND_KEYPAD_OPTION;
    static constexpr int kProximityDefault = VARANDA_CFG_PROXIMITY_DEFAULT;
    static constexpr int kMasterCard = VARANDA_CFG_MASTER_CARD;
    static constexpr int kMasterCardSize = VARANDA_CFG_MASTER_CARD_SIZE;
    static constexpr int kPictogramForms = VARANDA_CFG_PICTOGRAM_FORMS;
    static constexpr int kTurnstileBeepOff = VARANDA_CFG_TURNSTILE_BEEP_OFF;
    static constexpr int kSensorEvent = VARANDA_CFG_SENSOR_EVENT;
    static constexpr int kSensorTime = VARANDA_CFG_SENSOR_TIME;
    static constexpr int kBioEnrolment = VARANDA_CFG_BIO_ENROLMENT;
    static constexpr int kOnlineDateTime = VARANDA_CFG_ONLINE_DATE_TIME;
    static constexpr int kCardLengths = VARANDA_CFG_CARD_LENGTHS;
    static constexpr int kWiegandTwoReaders = VARANDA_CFG_WIEGAND_TWO_READERS;
    static constexpr int kBioSensorDefault = VARANDA_CFG_BIO_SENSOR_DEFAULT;
    static constexpr int kSensor1Function = VARANDA_CFG_SENSOR1_FUNCTION;
    static constexpr int kEncryption = VARANDA_CFG_ENCRYPTION;
    static constexpr int kIndexSearch = VARANDA_CFG_INDEX_SEARCH;
    static constexpr int kBioVariable = VARANDA_CFG_BIO_VARIABLE;

    static constexpr uint8_t kDefaultCardDigits = 14;

    // All zero, then company code 0xFFFF (bytes 9-10) and 14 card digits.
    ConfigurationRecord() {
        bytes[kCompanyCode] = 0xFF;
        bytes[kCompanyCode + 1] = 0xFF;
        bytes[kCardDigits] = kDefaultCardDigits;
    }

    std::array<uint8_t, kSize> bytes{};
};

}  // namespace varanda
