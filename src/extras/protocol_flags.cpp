// The four protocol option setters. They never talk to a terminal.
#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

int32_t SetarCorvoOld(ApiFacade& f, int32_t, int32_t v) { return ProtocolFlags::set(f.protocol.old_terminal, v); }
int32_t Utilizar215(ApiFacade& f, int32_t, int32_t v) { return ProtocolFlags::set(f.protocol.use_215, v); }
int32_t UtilizarRelogioSegundos(ApiFacade& f, int32_t, int32_t v) {
    return ProtocolFlags::set(f.protocol.clock_seconds, v);
}
int32_t UtilizarCmdCurtoCatraca(ApiFacade& f, int32_t, int32_t v) {
    return ProtocolFlags::set(f.protocol.short_turnstile, v);
}

}  // namespace varanda::op
