// The COM interface tables of the contract: IUnknown, IClassFactory and
// IDispatch, and the dual interfaces of the two COM transport components as
// tables of methods after IDispatch; their class and interface identifiers;
// the DllGetClassObject entry. Shared by the SDK, the components and the
// test fakes.
#pragma once
#include <cstdint>

#include "abi/com_types.h"

namespace varanda::abi {

struct UnknownVtbl {
    HResult(VARANDA_COM_CALL* QueryInterface)(void* self, const Guid* iid, void** out);
    uint32_t(VARANDA_COM_CALL* AddRef)(void* self);
    uint32_t(VARANDA_COM_CALL* Release)(void* self);
};

struct ClassFactoryVtbl {
    UnknownVtbl unknown;
    HResult(VARANDA_COM_CALL* CreateInstance)(void* self, void* outer, const Guid* iid, void** out);
    HResult(VARANDA_COM_CALL* LockServer)(void* self, int32_t lock);
};

struct DispatchSlots {
    HResult(VARANDA_COM_CALL* QueryInterface)(void* self, const Guid* iid, void** out);
    uint32_t(VARANDA_COM_CALL* AddRef)(void* self);
    uint32_t(VARANDA_COM_CALL* Release)(void* self);
    HResult(VARANDA_COM_CALL* GetTypeInfoCount)(void* self, uint32_t* count);
    HResult(VARANDA_COM_CALL* GetTypeInfo)(void* self, uint32_t index, uint32_t lcid, void** info);
    HResult(VARANDA_COM_CALL* GetIDsOfNames)(void* self, const Guid* iid, void* names, uint32_t count, uint32_t lcid,
                                              int32_t* ids);
    HResult(VARANDA_COM_CALL* Invoke)(void* self, int32_t id, const Guid* iid, uint32_t lcid, uint16_t flags,
                                       void* params, void* result, void* excep, uint32_t* arg_err);
};

// TCP component: every call names the terminal.
struct TcpComVtbl {
    DispatchSlots dispatch;
    HResult(VARANDA_COM_CALL* Open)(void* self, int32_t port, VariantBool* ok);
    HResult(VARANDA_COM_CALL* Close)(void* self, VariantBool* ok);
    HResult(VARANDA_COM_CALL* ReceiveNoReply)(void* self, int32_t terminal, uint8_t command, SafeArray** data,
                                              int32_t length, VariantBool* ok);
    HResult(VARANDA_COM_CALL* Send)(void* self, int32_t terminal, uint8_t command, SafeArray** data, uint8_t index,
                                    VariantBool* ok);
    HResult(VARANDA_COM_CALL* SendResponse)(void* self, int32_t terminal, uint8_t response, VariantBool* ok);
    HResult(VARANDA_COM_CALL* Receive)(void* self, int32_t terminal, uint8_t command, SafeArray** data, int32_t length,
                                       VariantBool* ok);
};

// Serial component: one line, one terminal; no terminal number is passed.
struct SerialComVtbl {
    DispatchSlots dispatch;
    HResult(VARANDA_COM_CALL* Reserved)(void* self);
    HResult(VARANDA_COM_CALL* Open)(void* self, int16_t port, VariantBool* ok);
    HResult(VARANDA_COM_CALL* Send)(void* self, int32_t command, SafeArray** data, VariantBool* ok);
    HResult(VARANDA_COM_CALL* SendResponse)(void* self, uint8_t response, VariantBool* ok);
    HResult(VARANDA_COM_CALL* Receive)(void* self, int32_t command, SafeArray** data, int32_t length, VariantBool* ok);
    HResult(VARANDA_COM_CALL* ReceiveNoReply)(void* self, int32_t command, SafeArray** data, int32_t length,
                                              VariantBool* ok);
    HResult(VARANDA_COM_CALL* Close)(void* self);
};

// Every COM object starts with a pointer to its table.
template <class Vtbl>
inline const Vtbl* vtable(void* object) {
    return *static_cast<const Vtbl* const*>(object);
}

// The fixed class and interface identifiers.
inline constexpr Guid kTcpClsid{0x6A1D3C40, 0x2B7E, 0x4F51, {0x9C, 0x0A, 0x1E, 0x5B, 0x7D, 0x3F, 0x0A, 0x11}};
inline constexpr Guid kTcpIid{0x6A1D3C41, 0x2B7E, 0x4F51, {0x9C, 0x0A, 0x1E, 0x5B, 0x7D, 0x3F, 0x0A, 0x11}};
inline constexpr Guid kSerialClsid{0x6A1D3C42, 0x2B7E, 0x4F51, {0x9C, 0x0A, 0x1E, 0x5B, 0x7D, 0x3F, 0x0A, 0x11}};
inline constexpr Guid kSerialIid{0x6A1D3C43, 0x2B7E, 0x4F51, {0x9C, 0x0A, 0x1E, 0x5B, 0x7D, 0x3F, 0x0A, 0x11}};

// Where the SDK's POSIX COM layer finds each component.
inline constexpr const char* kTcpPosixLibrary = "libCorvoTcpCom.so";
inline constexpr const char* kSerialPosixLibrary = "libCorvoSerialCom.so";

// A component library's entry (the POSIX layer calls it; on Windows the
// system does).
using DllGetClassObjectFn = HResult(VARANDA_COM_CALL*)(const Guid* clsid, const Guid* iid, void** out);

}  // namespace varanda::abi
