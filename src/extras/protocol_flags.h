// Protocol options read by several operation families.
#pragma once
#include <array>
#include <cstdint>

namespace varanda {

struct ProtocolFlags {
    int32_t use_215 = 1;                 // Utilizar215
    int32_t clock_seconds = 1;           // UtilizarRelogioSegundos
    int32_t short_turnstile = 1;         // UtilizarCmdCurtoCatraca
    int32_t old_terminal = 0;            // SetarCorvoOld
};

}  // namespace varanda
