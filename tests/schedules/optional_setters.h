// Setters of other operation families that the schedule and access-list
// tests use when the library exports them (found by name, so that these
// tests build whether or not those exports exist yet). A test that needs a
// missing one skips.
#pragma once
#include <cstdint>

#include "sdk_test.h"

namespace schedules_test {

using SetPatternFn = uint8_t(VARANDA_CALL*)(uint8_t);
using SetDigitsFn = uint8_t(VARANDA_CALL*)(uint8_t);
using SetFlagFn = int32_t(VARANDA_CALL*)(int32_t, int32_t);

template <class Fn>
Fn optional_export(const hostkit::Sdk& sdk, const char* name) {
    return reinterpret_cast<Fn>(sdk.symbol(name));
}

}  // namespace schedules_test

// Skips the current test when the export is missing; otherwise calls it.
#define SET_CARD_PATTERN(v)                                                                           \
    do {                                                                                              \
        auto fn_ = schedules_test::optional_export<schedules_test::SetPatternFn>(sdk_, "DefinirPadraoCartao"); \
        if (fn_ == nullptr) GTEST_SKIP() << "DefinirPadraoCartao not exported yet";                  \
        ASSERT_EQ(0, fn_(v));                                                                         \
    } while (0)
#define SET_CARD_DIGITS(v)                                                                            \
    do {                                                                                              \
        auto fn_ = schedules_test::optional_export<schedules_test::SetDigitsFn>(sdk_,                 \
                                                                               "DefinirQuantidadeDigitosCartao"); \
        if (fn_ == nullptr) GTEST_SKIP() << "DefinirQuantidadeDigitosCartao not exported yet";       \
        ASSERT_EQ(0, fn_(v));                                                                         \
    } while (0)
#define SET_OLD_TERMINAL(v)                                                                           \
    do {                                                                                              \
        auto fn_ = schedules_test::optional_export<schedules_test::SetFlagFn>(sdk_, "SetarCorvoOld"); \
        if (fn_ == nullptr) GTEST_SKIP() << "SetarCorvoOld not exported yet";                        \
        ASSERT_EQ((v) ? 1 : 0, fn_(0, (v)));                                                          \
    } while (0)
