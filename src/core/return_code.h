// The one-byte answer of every exported operation.
#pragma once
#include <cstdint>

namespace varanda {

using ReturnCode = uint8_t;

namespace rc {
inline constexpr ReturnCode kOk = 0;
inline constexpr ReturnCode kFailed = 1;            // transport failed or unexpected answer
inline constexpr ReturnCode kPortNotOpen = 2;
inline constexpr ReturnCode kPortAlreadyOpen = 3;
inline constexpr ReturnCode kSerialLibMissing = 4;  // Corvo2K (types 0 and 3)
inline constexpr ReturnCode kTcpLibMissing = 5;     // CorvoTCP (type 1)
inline constexpr ReturnCode kTcpComMissing = 6;     // TCP COM component (type 2)
inline constexpr ReturnCode kNotAModem = 7;
inline constexpr ReturnCode kException = 8;
inline constexpr ReturnCode kBadConnectionType = 9;
inline constexpr ReturnCode kSerialComMissing = 10;  // serial COM component (type 4)

// Argument k (counted from 0, the terminal number included) out of range.
constexpr ReturnCode bad_arg(int k) { return static_cast<ReturnCode>(128 + k); }

// The k-th of an operation's own checks (counted from 0) refused a value.
// The fingerprint and Ossel families number their refusals by their checks,
// not by the argument's position; each operation's description lists them.
constexpr ReturnCode check_failed(int k) { return static_cast<ReturnCode>(128 + k); }
}  // namespace rc

}  // namespace varanda
