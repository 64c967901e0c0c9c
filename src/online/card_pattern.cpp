// DefinirPadraoCartao: a setter; it talks to no terminal.
#include "api/facade.h"
#include "varanda_ops.h"

namespace varanda::op {

namespace {
constexpr int kCardDigitCountByte = 14;  // of the configuration record
constexpr uint8_t kCardDigits = 14;
}  // namespace

uint8_t DefinirPadraoCartao(ApiFacade& f, uint8_t pattern) {
    if (pattern != CardPattern::kNumber && pattern != CardPattern::kDigits) return rc::bad_arg(0);
    f.card_pattern.value = pattern;
    f.config.bytes[kCardDigitCountByte] = kCardDigits;
    return rc::kOk;
}

}  // namespace varanda::op
