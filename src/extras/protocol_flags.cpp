// The four protocol option setters. They never talk to a terminal.
#include "extras/protocol_flags.h"
#include "varanda_ops.h"

namespace varanda::op {

int32_t SetarCorvoOld(ProtocolFlags& protocol, int32_t, int32_t v) {
    return ProtocolFlags::set(protocol.old_terminal, v);
}
int32_t Utilizar215(ProtocolFlags& protocol, int32_t, int32_t v) { return ProtocolFlags::set(protocol.use_215, v); }
int32_t UtilizarRelogioSegundos(ProtocolFlags& protocol, int32_t, int32_t v) {
    return ProtocolFlags::set(protocol.clock_seconds, v);
}
int32_t UtilizarCmdCurtoCatraca(ProtocolFlags& protocol, int32_t, int32_t v) {
    return ProtocolFlags::set(protocol.short_turnstile, v);
}

}  // namespace varanda::op
