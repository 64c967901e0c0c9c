// DefinirPadraoCartao on a facade of its own: the pattern and the card digit
// count of the configuration record, unchanged after a refusal.
#include <gtest/gtest.h>

#include "api/facade.h"
#include "facade_calls.h"

namespace {

TEST(CardPatternUnit, SetsPatternAndDigitCountOrChangesNothing) {
    varanda::ApiFacade f;
    EXPECT_EQ(1, f.card_pattern.value);
    struct Step {
        uint8_t digits_before, value, code, pattern, digits;
    } steps[] = {{8, 2, 128, 1, 8}, {8, 0, 0, 0, 14}, {5, 255, 128, 0, 5}, {5, 1, 0, 1, 14}};
    for (const Step& st : steps) {
        f.config.bytes[14] = st.digits_before;
        EXPECT_EQ(st.code, varanda::via::DefinirPadraoCartao(f, st.value));
        EXPECT_EQ(st.pattern, f.card_pattern.value);
        EXPECT_EQ(st.digits, f.config.bytes[14]);
    }
}

}  // namespace
