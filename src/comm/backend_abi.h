// Entry points of the back-end libraries (Corvo2K, CorvoTCP): stdcall on
// 32-bit Windows, C elsewhere; every argument and result 32 bits wide or a
// pointer.
#pragma once
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#  define VARANDA_BACKEND_CALL __stdcall
#else
#  define VARANDA_BACKEND_CALL
#endif

namespace varanda::backend {

using InicializaComFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t port, int32_t baud);
using InicializaComModemFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t port, int32_t baud);
using EnviaDadosFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t terminal, const uint8_t* data, int32_t command,
                                                     int32_t length, int32_t reserved);
using EnviaRespostaSerialFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t response);
using EnviaRespostaTcpFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t terminal, int32_t response);
using RecebeDadosFn = int32_t(VARANDA_BACKEND_CALL*)(int32_t terminal, uint8_t* buffer, int32_t command,
                                                      int32_t length, int32_t reserved);
using RecebeDadosMagicFn = void*(VARANDA_BACKEND_CALL*)(int32_t a, int32_t b, int32_t c, int32_t d);
using FinalizaComFn = int32_t(VARANDA_BACKEND_CALL*)();
using ModemStrFn = int32_t(VARANDA_BACKEND_CALL*)(const char* text);
using LeModemFn = int32_t(VARANDA_BACKEND_CALL*)();

}  // namespace varanda::backend
