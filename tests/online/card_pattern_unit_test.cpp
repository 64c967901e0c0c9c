// DefinirPadraoCartao on a facade of its own: the pattern and the card digit
// count of the configuration record.
#include <gtest/gtest.h>

#include "api/facade.h"
#include "varanda_ops.h"

namespace {

TEST(CardPatternUnit, SetsPatternAndDigitCountOrChangesNothing) {
    varanda::ApiFacade f;
    EXPECT_EQ(1, f.card_pattern.value);
    f.config.bytes[14] = 8;  // another count set before
    struct Step {
        uint8_t value;
        uint8_t code;
        uint8_t pattern;  // after the call
        uint8_t digits;
    } steps[] = {{2, 128, 1, 8}, {0, 0, 0, 14}, {7, 128, 0, 14}, {1, 0, 1, 14}};
    for (const Step& st : steps) {
        SCOPED_TRACE(int(st.value));
        EXPECT_EQ(st.code, varanda::op::DefinirPadraoCartao(f, st.value));
        EXPECT_EQ(st.pattern, f.card_pattern.value);
        EXPECT_EQ(st.digits, f.config.bytes[14]);
        f.config.bytes[14] = st.digits;
    }
    f.config.bytes[14] = 5;
    EXPECT_EQ(0, varanda::op::DefinirPadraoCartao(f, 1));
    EXPECT_EQ(14, f.config.bytes[14]);
}

}  // namespace
