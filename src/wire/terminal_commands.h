// The terminal's command codes, named once for both sides of the link: the
// SDK's operations send and receive with them, and the emulator answers them.
// A send carries a block to the terminal; a receive asks it for one.
#pragma once
#include <cstdint>

namespace varanda::wire::command {

// Online actions: sends without a block.
inline constexpr uint8_t kPulseRelay1 = 1, kPulseRelay2 = 2, kDenyAccess = 3, kHoldRelay1 = 4, kHoldRelay2 = 5,
                         kReleaseRelay1 = 6, kReleaseRelay2 = 7, kShortBeep = 8, kLongBeep = 9, kPing = 10,
                         kResetOnline = 11, kTurnstileExit = 12, kTurnstileEntry = 13, kBacklightOn = 14,
                         kBacklightOff = 15, kTurnstileBoth = 16, kIntermittentBeepOn = 17, kIntermittentBeepOff = 18,
                         kReturnCard = 21, kRetainCard = 22, kTurnstileExitToo = 23, kTurnstileEntryToo = 24,
                         kRaiseOnline = 26, kRedLedOn = 27, kRedLedOff = 28;
// Online operation.
inline constexpr uint8_t kDisplay = 104, kEntryForms = 107, kPrint = 109, kPrintMarked = 127, kOnlineChange = 114,
                         kNextEvent = 207, kSensors = 208, kEventWaiting = 215;
// Offline configuration and the clock.
inline constexpr uint8_t kSetConfig = 100, kGetConfig = 200, kSetMessages = 106, kGetMessages = 206,
                         kChangeEvents = 134, kFunctionKeys = 128, kAccessSchedules = 111, kOldAccessSchedules = 103,
                         kSirens = 112, kOldSirens = 105, kTlm = 151, kSetClock = 101, kSetClockSeconds = 117,
                         kGetClock = 201, kGetClockSeconds = 217, kDaylightSaving = 113;
// The access list and the punch memory.
inline constexpr uint8_t kAccessListCounted = 115, kAccessListFull = 110, kAccessListOld = 102,
                         kAccessListBlock = 136, kNextPunch = 204, kPunchCount = 235;
// Device extras.
inline constexpr uint8_t kExtended = 125, kExtendedAnswer = 225, kFirmware = 250, kKeepAlive = 198;
// The fingerprint module.
inline constexpr uint8_t kBioRequest = 120, kBioUserRecord = 121, kBioCompare = 123, kBioSettings = 133,
                         kBioNoFingerprint250 = 124, kBioNoFingerprint = 129, kBioFingerprint = 131,
                         kBioAnswer = 220, kBioUserRecordAnswer = 221, kBioPackage = 222, kBioTemplateAnswer = 223,
                         kBioFingerprintAnswer = 231;
// The Ossel module.
inline constexpr uint8_t kOsselCompare = 170, kOsselEnrol = 171, kOsselAddUser = 172, kOsselFirst = 173,
                         kOsselNext = 174, kOsselLocate = 175, kOsselErase = 176, kOsselEraseAll = 177,
                         kOsselComparePin = 178, kOsselNetwork = 179, kOsselResult = 240, kOsselTotal = 241,
                         kOsselRecord = 242, kOsselTemplateAnswer = 243, kOsselSummary = 244;

}  // namespace varanda::wire::command
