// The COM value types of the contract: GUID, HRESULT and VARIANT_BOOL in
// their binary layout, the results the components and the SDK use, and the
// three standard interface identifiers. On 32-bit Windows COM methods are
// stdcall.
#pragma once
#include <cstdint>
#include <cstring>

#if defined(_WIN32) && !defined(_WIN64)
#  define VARANDA_COM_CALL __stdcall
#else
#  define VARANDA_COM_CALL
#endif

namespace varanda::abi {

using HResult = int32_t;
using VariantBool = int16_t;
inline constexpr VariantBool kTrue = -1;
inline constexpr VariantBool kFalse = 0;

struct Guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};
inline bool same(const Guid* a, const Guid& b) { return a != nullptr && std::memcmp(a, &b, sizeof b) == 0; }

inline constexpr Guid kIidUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr Guid kIidDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

inline bool failed(HResult hr) { return hr < 0; }
namespace hr {
inline constexpr HResult kOk = 0;
inline constexpr HResult kNotImpl = static_cast<HResult>(0x80004001u);
inline constexpr HResult kNoInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kOutOfMemory = static_cast<HResult>(0x8007000Eu);
inline constexpr HResult kNoAggregation = static_cast<HResult>(0x80040110u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
}  // namespace hr

// The system SAFEARRAY on Windows; posix_safe_array.h elsewhere.
struct SafeArray;

}  // namespace varanda::abi
