// DefinirPadraoCartao: a setter; it talks to no terminal. A new pattern sets
// the configuration record's card digit count back to its default.
#include "config/configuration_record.h"
#include "core/return_code.h"
#include "online/card_pattern.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t DefinirPadraoCartao(CardPattern& card_pattern, ConfigurationRecord& config, uint8_t pattern) {
    if (pattern != CardPattern::kNumber && pattern != CardPattern::kDigits) return rc::bad_arg(0);
    card_pattern.value = pattern;
    config.bytes[ConfigurationRecord::kCardDigits] = ConfigurationRecord::kDefaultCardDigits;
    return rc::kOk;
}

}  // namespace varanda::op
