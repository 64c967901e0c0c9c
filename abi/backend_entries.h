// The entry points of the two back-end libraries, Corvo2K (serial and modem)
// and CorvoTCP, as the SDK loads them: names, results and parameters, in the
// order of the SDK's library table. Stdcall on 32-bit Windows, C linkage
// everywhere; every argument and result is 32 bits wide or a pointer.
//
// Each list is written once and gives both the SDK's entry types and the
// back-ends' declarations: a back-end that includes
// VARANDA_CORVO2K_ENTRIES(VARANDA_DECLARE_BACKEND_ENTRY) before its
// definitions does not compile when one of them differs from what the SDK
// calls.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#  define VARANDA_BACKEND_CALL __stdcall
#else
#  define VARANDA_BACKEND_CALL
#endif

#define VARANDA_CORVO2K_ENTRIES(X)                                                                                 \
    X(InicializaCom, int32_t, (int32_t port, int32_t baud))                                                        \
    X(InicializaComModem, int32_t, (int32_t port, int32_t baud))                                                   \
    X(Envia_Dados, int32_t, (int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved)) \
    X(Envia_Resposta, int32_t, (int32_t response))                                                                 \
    X(Recebe_Dados, int32_t, (int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t reserved)) \
    X(Recebe_Dados_Magic, void*, (int32_t a, int32_t b, int32_t c, int32_t d))                                     \
    X(Recebe_Dados_E_Nao_Responde, int32_t,                                                                        \
      (int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t reserved))                      \
    X(FinalizaCom, int32_t, ())                                                                                    \
    X(Modem_Str, int32_t, (const char* text))                                                                      \
    X(Le_Modem, int32_t, ())

// Conectado, Envia, Recebe and Desconectar only need to exist.
#define VARANDA_CORVOTCP_ENTRIES(X)                                                                                \
    X(InicializaCom, int32_t, (int32_t port, int32_t baud))                                                        \
    X(Envia_Dados, int32_t, (int32_t terminal, const uint8_t* data, int32_t command, int32_t length, int32_t reserved)) \
    X(Envia_Resposta, int32_t, (int32_t terminal, int32_t response))                                               \
    X(Recebe_Dados, int32_t, (int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t reserved)) \
    X(Recebe_Dados_E_Nao_Responde, int32_t,                                                                        \
      (int32_t terminal, uint8_t* buffer, int32_t command, int32_t length, int32_t reserved))                      \
    X(FinalizaCom, int32_t, ())                                                                                    \
    X(Conectado, int32_t, ())                                                                                      \
    X(Envia, int32_t, (int32_t unused))                                                                            \
    X(Recebe, int32_t, (int32_t unused))                                                                           \
    X(Desconectar, int32_t, ())

// A back-end's declaration of one entry (C linkage, the calling convention).
#define VARANDA_DECLARE_BACKEND_ENTRY(name, result, params) extern "C" result VARANDA_BACKEND_CALL name params;

// What begins a back-end's definition of an entry: exported, C linkage, the
// calling convention, then the result type.
#if defined(_WIN32)
#  define VARANDA_BACKEND_ENTRY(result) extern "C" __declspec(dllexport) result VARANDA_BACKEND_CALL
#else
#  define VARANDA_BACKEND_ENTRY(result) extern "C" __attribute__((visibility("default"))) result VARANDA_BACKEND_CALL
#endif

#define VARANDA_ABI_ENTRY_TYPE(name, result, params) using name = result VARANDA_BACKEND_CALL params;
#define VARANDA_ABI_ENTRY_INDEX(name, result, params) name,
#define VARANDA_ABI_ENTRY_NAME(name, result, params) #name,

namespace varanda::abi {

// What the exchanges of a back-end answer: Envia_Dados and Envia_Resposta
// kSent when the terminal took it, the receives kReceived when exactly the
// asked-for bytes are in the buffer; kFailed (or any other value) otherwise.
namespace backend_result {
inline constexpr int32_t kSent = 31;
inline constexpr int32_t kReceived = 40;
inline constexpr int32_t kFailed = 21;
}  // namespace backend_result

// Per back-end: the function type of each entry (corvo2k::Envia_Dados), its
// place in the library table (corvo2k::at::Envia_Dados) and the names to look
// up (corvo2k::kEntryNames).
#define VARANDA_ABI_BACKEND(ENTRIES)                                                 \
    ENTRIES(VARANDA_ABI_ENTRY_TYPE)                                                  \
    namespace at {                                                                   \
    enum : std::size_t { ENTRIES(VARANDA_ABI_ENTRY_INDEX) kCount };                  \
    }                                                                                \
    inline constexpr std::array<const char*, at::kCount> kEntryNames{ENTRIES(VARANDA_ABI_ENTRY_NAME)};

namespace corvo2k {
VARANDA_ABI_BACKEND(VARANDA_CORVO2K_ENTRIES)
}  // namespace corvo2k

namespace corvotcp {
VARANDA_ABI_BACKEND(VARANDA_CORVOTCP_ENTRIES)
}  // namespace corvotcp

static_assert(std::size_t{corvo2k::at::kCount} == std::size_t{corvotcp::at::kCount}, "the SDK's library table holds ten entries of each");

}  // namespace varanda::abi

#undef VARANDA_ABI_BACKEND
#undef VARANDA_ABI_ENTRY_TYPE
#undef VARANDA_ABI_ENTRY_INDEX
#undef VARANDA_ABI_ENTRY_NAME
