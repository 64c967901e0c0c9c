// Protocol options read by several operation families. Each holds 0 or 1.
#pragma once
#include <cstdint>

namespace varanda {

struct ProtocolFlags {
    int32_t use_215 = 1;          // Utilizar215: ReceberDadosOnLine2 asks command 215 first
    int32_t clock_seconds = 1;    // UtilizarRelogioSegundos: the clock is set with seconds
    int32_t short_turnstile = 1;  // UtilizarCmdCurtoCatraca: turnstile releases try the short command
    int32_t old_terminal = 0;     // SetarCorvoOld: reduced tables and forms for older terminals

    // Stores 1 for a non-zero value, 0 otherwise, and returns what was stored.
    static int32_t set(int32_t& flag, int32_t value) {
        flag = value != 0 ? 1 : 0;
        return flag;
    }
};

}  // namespace varanda
