// The few settings one operation family reads from another's state, taken
// together when an operation starts: the collection and access-list layouts
// follow the card pattern and the card digit count of the configuration
// record; the schedule, clock, turnstile and online-event forms follow the
// protocol options. An operation reads them here and never reaches into the
// owning family's bytes.
#pragma once
#include <cstdint>

namespace varanda {

struct SettingsView {
    uint8_t card_pattern = 1;     // DefinirPadraoCartao: 0 a 16-bit number, 1 digits
    uint8_t card_digits = 14;     // configuration record byte 14
    bool old_terminal = false;    // SetarCorvoOld
    bool clock_seconds = true;    // UtilizarRelogioSegundos
    bool use_215 = true;          // Utilizar215
    bool short_turnstile = true;  // UtilizarCmdCurtoCatraca
};

}  // namespace varanda
