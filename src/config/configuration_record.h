// The 50-byte offline configuration record (command 100), sent exactly as
// laid out here. The setters change single fields; nothing resets the record
// after the facade has been created.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ConfigurationRecord {
    static constexpr int kSize = 50;

    // Field offsets.
    static constexpr int kMode = 0;               // 0 offline, 1 online
    static constexpr int kKeypad = 1;
    static constexpr int kRelay1Mode = 2;
    static constexpr int kRelay2Mode = 3;
    static constexpr int kRelay1Time = 4;
    static constexpr int kRelay2Time = 5;
    static constexpr int kReaderType = 6;
    static constexpr int kReader1Function = 7;
    static constexpr int kReader2Function = 8;
    static constexpr int kCompanyCode = 9;        // 16 bits, low byte first
    static constexpr int kAccessLevel = 11;
    static constexpr int kAccessPassword = 12;
    static constexpr int kAccessListType = 13;
    static constexpr int kCardDigits = 14;        // card digit count, also read by the access list
    static constexpr int kMemoryFullWarning = 15;
    static constexpr int kInspectionPercent = 16;
    static constexpr int kDeniedAccessLog = 17;
    static constexpr int kMasterCardRelease = 18;
    static constexpr int kRelayLogic = 19;
    static constexpr int kMicroSwitchLockOff = 20;
    static constexpr int kSecondKeypadOption = 23;
    static constexpr int kProximityDefault = 24;
    static constexpr int kMasterCard = 25;        // 7 bytes of packed BCD
    static constexpr int kMasterCardSize = 7;
    static constexpr int kPictogramForms = 32;
    static constexpr int kTurnstileBeepOff = 33;
    static constexpr int kSensorEvent = 34;       // sensors 1-3
    static constexpr int kSensorTime = 37;        // sensors 1-3
    static constexpr int kBioEnrolment = 40;
    static constexpr int kOnlineDateTime = 41;
    static constexpr int kCardLengths = 42;       // 16-bit mask, high byte first
    static constexpr int kWiegandTwoReaders = 44;
    static constexpr int kBioSensorDefault = 45;
    static constexpr int kSensor1Function = 46;
    static constexpr int kEncryption = 47;
    static constexpr int kIndexSearch = 48;
    static constexpr int kBioVariable = 49;

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
