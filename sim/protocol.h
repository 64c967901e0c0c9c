// The terminal's numbers as the emulator uses them: the command codes (shared
// with the SDK, in wire/terminal_commands.h), the lengths of their blocks, the
// fingerprint module's sub-commands and the record offsets the emulator reads
// or writes.
#pragma once
#include <cstddef>
#include <cstdint>

#include "src/wire/terminal_commands.h"

namespace corvo::sim {

using namespace varanda::wire::command;

// Online operation.
// A message: control byte and first line, then the second line (16 characters each).
inline constexpr std::size_t kMessageLine = 16;
inline constexpr std::size_t kDisplaySize = 33, kMessageSize = 32, kEntryFormsSize = 5, kPrintSize = 255,
                             kPrintTextSize = 254, kOnlineChangeSize = 72, kEventSize = 22;
// An online event: origin, complement, data (card positions: 14, or 16 with
// the minute byte given up; or a module's answer), then day, month, year,
// hour, minute and second.
inline constexpr std::size_t kEventData = 2, kEventCardPositions = 14, kEventLongCard = 16, kEventTime = 16,
                             kEventMinute = 20;
inline constexpr uint8_t kDisplayStandard = 0xFF;  // the display time byte of the standard message

// Offline configuration and the clock.
inline constexpr std::size_t kConfigSize = 50, kMessagesSize = 416, kChangeEventsSize = 77, kFunctionKeysSize = 10,
                             kAccessSchedulesSize = 5600, kOldAccessSchedulesSize = 2800, kSirensSize = 300,
                             kOldSirensSize = 150, kTlmSize = 26, kClockSize = 5, kClockSecondsSize = 6,
                             kDaylightSavingSize = 10;
// Configuration record offsets: the mode (1 online), the company code (low
// byte first), the card digit count, the master card (7 BCD bytes) and
// whether online events carry date and time.
inline constexpr std::size_t kConfigMode = 0, kConfigReaderType = 6, kConfigCompany = 9, kConfigCardDigits = 14,
                             kConfigMasterCard = 25, kConfigMasterCardSize = 7, kConfigEventTime = 41;

// The access list and the punch memory.
inline constexpr std::size_t kAccessListFullSize = 45000, kAccessListOldSize = 9000, kAccessListBlockSize = 65536,
                             kPunchShort = 10, kPunchLong = 16, kCountSize = 2;

// Device extras.
inline constexpr std::size_t kExtendedSize = 66, kFirmwareSize = 16, kKeepAliveSize = 4, kCountersSize = 12;
// The extended request: function and sub-function, then the data (from byte 2).
inline constexpr uint8_t kExtendedCounters = 1, kExtendedWriteCounters = 1, kExtendedReadCounters = 2,
                         kExtendedSmartCard = 4;
inline constexpr std::size_t kExtendedData = 2, kSmartCardAreasSize = 58;

// The fingerprint module.
inline constexpr std::size_t kBioMessageSize = 17, kBioUserRecordSize = 844, kBioTemplateSize = 404,
                             kBioSettingsSize = 16, kBioNoFingerprint250Size = 1251, kBioNoFingerprint500Size = 2502,
                             kBioFingerprintOne = 472, kBioFingerprintTwo = 876, kBioIdSize = 16;
// Sub-commands (byte 0 of a request).
inline constexpr uint8_t kSubModel = 1, kSubVersion = 2, kSubUserCount = 3, kSubUserList = 10,
                         kSubFingerprintList = 11, kSubUserQuery = 20, kSubUserDelete = 21, kSubEnrol = 23,
                         kSubVerify = 30, kSubIdentify = 31, kSubTemplate = 33, kSubConfigure = 60;
inline constexpr uint8_t kSubEnrolAnswer = 0;  // an enrolment is answered as sub-command 0
inline constexpr uint8_t kMaxEnrolOption = 2;  // a byte 1 above this starts the identifier
// A list package: 2-byte count and 2-byte record size, then the records (the
// identifier as 16 characters, or in the pair code for the fingerprint list).
inline constexpr std::size_t kListHeader = 4, kListPairRecord = 11;
// The fingerprint record: its pair code, its time stamp and its templates.
inline constexpr std::size_t kFingerprintPairCode = 5, kFingerprintTime = 40, kFingerprintLengths = 48,
                             kFingerprintTemplates = 68;

// The Ossel module.
inline constexpr std::size_t kOsselKeySize = 8;  // an identifier or PIN in a request: packed, 8 bytes
inline constexpr std::size_t kOsselRecordSize = 451, kOsselTemplateSize = 220, kOsselIdSize = 9,
                             kOsselLocateSize = 10, kOsselEraseAllSize = 11, kOsselSummarySize = 11;
// The user record: identifier, PIN and template.
inline constexpr std::size_t kOsselRecordId = 2, kOsselRecordPin = 11, kOsselRecordTemplate = 20;

}  // namespace corvo::sim
