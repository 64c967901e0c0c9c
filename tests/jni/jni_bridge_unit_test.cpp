// The bridge's helpers against a stand-in JNIEnv: pins, the texts'
// conversions, bytes into int[] storage; and the fingerprint record's pause.
// (The StringBuffer's refusals are rows of JniForms' tables.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/facade.h"
#include "fake_jni_env.h"
#include "jni/int_storage.h"
#include "jni/modified_utf8.h"
#include "jni/pinned.h"
#include "jni_custom.h"
#include "platform/clock_source.h"

namespace {

using testsupport::FakeJavaArray;
using testsupport::FakeJavaString;
using testsupport::FakeJniEnv;
using namespace varanda::jni;

// Strings and arrays pinned for one call: released on every path (arrays in
// mode 0, so that writes reach Java); a null reference refused without a
// call, a short array or a failed pin refused with no exception left pending.
TEST(JniPinned, RefusesNullShortAndUnpinnableAndWritesBackInModeZero) {
    struct Case {
        const char* what;
        int length, least;  // length -1: null references
        bool vm_fails, ok;  // ok: the arrays
    } cases[] = {
        {"exact length", 4, 4, false, true},
        {"no least length", 0, 0, false, true},
        {"one short", 3, 4, false, false},
        {"null", -1, 0, false, false},
        {"virtual machine out of memory", 4, 4, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeJniEnv vm;
        vm.fail_pins = c.vm_fails;
        FakeJavaString text{u"AT\u00e9"};
        FakeJavaArray<jbyte> bytes(std::vector<jbyte>(c.length > 0 ? c.length : 0, 5));
        FakeJavaArray<jint> ints(std::vector<jint>(c.length > 0 ? c.length : 0, 5));
        const bool null = c.length < 0, text_ok = !null && !c.vm_fails;
        {
            const PinnedString s(vm.env(), null ? nullptr : FakeJniEnv::ref(text));
            const PinnedBytes b(vm.env(), null ? nullptr : FakeJniEnv::ref(bytes), c.least);
            const PinnedInts i(vm.env(), null ? nullptr : FakeJniEnv::ref(ints), c.least);
            ASSERT_EQ(text_ok, static_cast<bool>(s));
            EXPECT_STREQ(text_ok ? "AT\xE9" : "", s.get());  // the terminal's single bytes
            ASSERT_EQ(c.ok, static_cast<bool>(b));
            ASSERT_EQ(c.ok, static_cast<bool>(i));
            if (c.ok && c.length > 0) {
                b.get()[0] = 0xE1;
                i[c.length - 1] = -7;
            }
        }
        EXPECT_EQ(vm.pins, vm.releases);
        EXPECT_EQ((c.ok ? 2 : 0) + (text_ok ? 1 : 0), vm.pins);
        EXPECT_EQ(null, vm.calls == 0);
        for (jint mode : vm.release_modes) EXPECT_EQ(0, mode);
        EXPECT_FALSE(vm.exception_pending);
        if (c.ok && c.length > 0) {
            EXPECT_EQ(static_cast<jbyte>(0xE1), bytes.elements[0]);
            EXPECT_EQ(-7, ints.elements.back());
        } else {
            for (jbyte v : bytes.elements) EXPECT_EQ(5, v);  // nothing written
        }
    }
}

// Java texts reach the terminal as ISO-8859-1: ASCII unchanged, one byte per
// character up to U+00FF, '?' for any other (a surrogate pair is one).
TEST(JniLatin1, OneByteACharacter) {
    struct Case {
        std::u16string in;
        std::string out;
    } cases[] = {
        {u"Jo\u00e3o \u00c7\u00ff", "Jo\xE3o \xC7\xFF"},
        {u"\u20ac1", "?1"},
        {u"a\U0001F600b", "a?b"},
        {u"\xD800x", "?x"},  // a lone surrogate
        {std::u16string(u"a\0b", 3), "a"},
    };
    for (const Case& c : cases) {
        const std::vector<jchar> units(c.in.begin(), c.in.end());
        EXPECT_EQ(c.out, to_latin1(units.data(), static_cast<jsize>(units.size())));
    }
}

TEST(JniModifiedUtf8, EncodesHighBytesAndStops) {
    struct Case {
        std::string in;
        size_t max;
        std::string out;
    } cases[] = {
        {"\x7F\x80", 16, "\x7F\xC2\x80"},
        {"\xFF", 16, "\xC3\xBF"},
        {"abc", 2, "ab"},
        {std::string("a\0b", 3), 3, "a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.out, to_modified_utf8(c.in.c_str(), c.max)) << c.out;
    }
    EXPECT_EQ("", to_modified_utf8(nullptr, 4));
}

TEST(JniIntStorage, BytesLandAsTheyLieAndKeepTheRest) {
    const jint k = static_cast<jint>(0xA5A5A5A5u);
    struct Case {
        const char* what;
        size_t first;
        std::vector<uint8_t> bytes;
        bool ok;
        std::vector<jint> after;  // (whole and partly filled elements: JniForms.RawByteCopiesIntoIntArrays)
    } cases[] = {
        {"one byte too many", 0, std::vector<uint8_t>(13, 0), false, {k, k, k}},
        {"starts past the end", 13, {}, false, {k, k, k}},
        {"last byte", 11, {0x80}, true, {k, k, static_cast<jint>(0x80A5A5A5u)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<jint> e(3, k);
        EXPECT_EQ(c.ok, store_bytes(e.data(), e.size(), c.first, c.bytes.data(), c.bytes.size()));
        EXPECT_EQ(c.after, e);
    }
}

// ReceberDigitalUsuario from Java pauses 150 ms before it asks for the
// record; a call refused for its references does not pause.
struct RecordingClock : varanda::platform::ClockSource {
    uint32_t tick_ms() override { return 0; }
    void sleep_ms(uint32_t ms) override { sleeps.push_back(ms); }
    std::vector<uint32_t> sleeps;
};

TEST(JniFingerprintRecord, PausesBeforeAskingUnlessRefused) {
    ASSERT_TRUE(varanda::library_attach());  // port closed: the operation answers 2
    struct Case {
        const char* what;
        int length;  // -1: null array
        jint size, code;
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
        EXPECT_EQ(c.code, ReceberDigitalUsuario(vm.env(), JavaClass::kVaranda, 1,
                                                c.length < 0 ? nullptr : FakeJniEnv::ref(record), c.size));
        EXPECT_EQ(c.sleeps, clock.sleeps);
        EXPECT_EQ(vm.pins, vm.releases);
    }
    varanda::library_detach();
}

}  // namespace
