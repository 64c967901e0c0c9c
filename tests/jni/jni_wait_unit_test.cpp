// ReceberDigitalUsuario from Java pauses 150 ms before it asks for the
// record; a call refused for its references does not pause. Driven on a
// facade of the library's own, with a clock that records the pauses.
#include <gtest/gtest.h>

#include <vector>

#include "api/facade.h"
#include "fake_jni_env.h"
#include "jni_custom.h"
#include "platform/clock_source.h"

namespace {

using testsupport::FakeJavaArray;
using testsupport::FakeJniEnv;

class RecordingClock : public varanda::platform::ClockSource {
public:
    uint32_t tick_ms() override { return 0; }
    void sleep_ms(uint32_t ms) override { sleeps.push_back(ms); }
    std::vector<uint32_t> sleeps;
};

TEST(JniFingerprintRecord, PausesBeforeAskingUnlessRefused) {
    ASSERT_TRUE(varanda::library_attach());  // port closed: the operation answers 2
    struct Case {
        const char* what;
        int length;  // -1: null array
        jint size;
        jint code;
        std::vector<uint32_t> sleeps;
    } cases[] = {
        {"asked", 472, 472, 2, {150}},
        {"a size the operation refuses", 0, 0, 130, {150}},
        {"null array", -1, 472, 8, {}},
        {"short array", 471, 472, 129, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingClock clock;
        const varanda::platform::ScopedClockSource use(clock);
        FakeJniEnv vm;
        FakeJavaArray<jbyte> record(std::vector<jbyte>(c.length > 0 ? c.length : 0, 0));
        EXPECT_EQ(c.code, varanda::jni::ReceberDigitalUsuario(vm.env(), varanda::jni::JavaClass::kVaranda, 1,
                                                              c.length < 0 ? nullptr : FakeJniEnv::ref(record),
                                                              c.size));
        EXPECT_EQ(c.sleeps, clock.sleeps);
        EXPECT_EQ(vm.pins, vm.releases);
    }
    varanda::library_detach();
}

}  // namespace
