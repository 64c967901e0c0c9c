// The two direct modem exports.
#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t EnviarStringInicializacaoModem(ApiFacade& f, const char* text) {
    if (text == nullptr) return rc::bad_arg(0);
    return f.connection().SendModemString(text);
}

int32_t LerByteModem(ApiFacade& f) { return f.connection().ReadModemByte(); }

}  // namespace varanda::op
