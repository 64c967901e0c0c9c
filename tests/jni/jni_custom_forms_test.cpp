// The Java forms with arrays and StringBuffers, called by their exported
// names with a stand-in JNIEnv (so on every build, Wine included): what is
// refused before anything is pinned or sent, which values reach the Java
// arrays always and which only on 0, the raw byte copies into int[]
// storage, and the texts cut per class.
#include <jni.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "../bio/bio_test_support.h"
#include "fake_jni_env.h"
#include "jni_symbols.h"
#include "online_record.h"
#include "sdk_test.h"

namespace {

using testsupport::FakeJavaArray;
using testsupport::FakeJavaString;
using testsupport::FakeJniEnv;
using testsupport::FakeStringBuffer;
using testsupport::kJavaClasses;
using Bytes = std::vector<uint8_t>;
using Answers = std::vector<std::pair<int32_t, Bytes>>;  // receive results and bytes, in order
using Ints = std::vector<jint>;

constexpr jint kFill = 0x55555555;  // what the caller's int[] held
constexpr jbyte kByteFill = 0x55;
const jintArray kNoInts = nullptr;

// Java objects of one call, made on demand; untouched() tells whether any
// of them changed.
class JavaObjects {
public:
    jintArray ints(size_t n, jint fill = kFill) {
        ints_.emplace_back(Ints(n, fill));
        return FakeJniEnv::ref(ints_.back());
    }
    jbyteArray bytes(size_t n, jbyte fill = kByteFill) {
        bytes_.emplace_back(std::vector<jbyte>(n, fill));
        return FakeJniEnv::ref(bytes_.back());
    }
    jobject buffer(bool has_append = true) {
        buffers_.push_back(FakeStringBuffer{"", has_append});
        return FakeJniEnv::ref(buffers_.back());
    }
    jstring text(const std::string& s) {
        strings_.push_back(FakeJavaString{s});
        return FakeJniEnv::ref(strings_.back());
    }
    const Ints& ints_at(size_t i) const { return ints_.at(i).elements; }
    const std::vector<jbyte>& bytes_at(size_t i) const { return bytes_.at(i).elements; }
    const std::string& text_at(size_t i) const { return buffers_.at(i).text; }

    bool untouched() const {
        for (const auto& a : ints_)
            for (jint v : a.elements)
                if (v != kFill) return false;
        for (const auto& a : bytes_)
            for (jbyte v : a.elements)
                if (v != kByteFill) return false;
        for (const auto& b : buffers_)
            if (!b.text.empty()) return false;
        return true;
    }

private:
    std::deque<FakeJavaArray<jint>> ints_;
    std::deque<FakeJavaArray<jbyte>> bytes_;
    std::deque<FakeStringBuffer> buffers_;
    std::deque<FakeJavaString> strings_;
};

// `head`, then the caller's values up to `n` elements.
Ints then_fill(Ints head, size_t n = 8) {
    head.resize(n, kFill);
    return head;
}

using testsupport::online_event;

class JniCustomForms : public testsupport::SdkTest {
protected:
    template <class... A>
    jint call(const char* cls, const char* method, A... args) {
        using Fn = jint(JNICALL*)(JNIEnv*, jclass, A...);
        const std::string name = testsupport::jni_name(cls, method, static_cast<int>(sizeof...(A)));
        auto fn = reinterpret_cast<Fn>(sdk_.symbol(name.c_str()));
        if (fn == nullptr) {
            ADD_FAILURE() << name << " is not exported";
            return -1;
        }
        return fn(vm_.env(), nullptr, args...);
    }
    void script(const Answers& answers) {
        for (const auto& [result, bytes] : answers) tcp_.queue_answer(result, bytes);
    }
    void expect_clean_vm() {
        EXPECT_EQ(vm_.pins, vm_.releases);
        for (jint mode : vm_.release_modes) EXPECT_EQ(0, mode);
        EXPECT_FALSE(vm_.exception_pending);
        EXPECT_FALSE(vm_.is_copy_asked);
    }
    FakeJniEnv vm_;
};

// Each kind of refusal once, at the forms' own least lengths and rules (the
// helpers' refusals of every null and short reference are in
// jni_bridge_unit_test.cpp): 8, or 128 + the position of a short array;
// nothing reaches the terminal or the Java objects.
TEST_F(JniCustomForms, RefusalsReachNeitherTheTerminalNorTheJavaObjects) {
    const jint t = 3;
    struct Case {
        const char* what;
        jint code;
        std::function<jint(const char*, JavaObjects&)> run;
        bool vm_fails = false;
    } cases[] = {
        {"clock, int[5]", 129, [&](auto c, auto& o) { return call(c, "ReceberRelogio", t, o.ints(5)); }},
        {"clock, no pin", 8, [&](auto c, auto& o) { return call(c, "ReceberRelogio", t, o.ints(6)); }, true},
        {"smart card, int[3] last", 133,
         [&](auto c, auto& o) {
             return call(c, "LerSmartCard", t, jint{1}, o.ints(3), o.ints(4), o.ints(4), o.ints(3));
         }},
        {"smart card, area 256", 129,
         [&](auto c, auto& o) {
             return call(c, "LerSmartCard", t, jint{256}, o.ints(3), o.ints(4), o.ints(4), o.ints(4));
         }},
        {"smart card, area -1", 129,
         [&](auto c, auto& o) {
             return call(c, "LerSmartCard", t, jint{-1}, o.ints(3), o.ints(4), o.ints(4), o.ints(4));
         }},
        {"set counters, null second", 8,
         [&](auto c, auto& o) { return call(c, "AtribuirContadorGiro", t, o.ints(1), kNoInts, o.ints(1)); }},
        {"punch, no append", 8,
         [&](auto c, auto& o) { return call(c, "ColetarBilhete", t, o.ints(6), o.buffer(false)); }},
        {"online event, int[7]", 129,
         [&](auto c, auto& o) { return call(c, "ReceberDadosOnLine", t, o.ints(7), o.buffer()); }},
        {"Ossel user, mode 2, byte[450]", 131,
         [&](auto c, auto& o) {
             return call(c, "ReceberUsuarioOssel", t, jbyte{2}, o.ints(1), o.bytes(450), o.buffer());
         }},
        {"fingerprint record, byte[471] for 472", 129,
         [&](auto c, auto& o) { return call(c, "ReceberDigitalUsuario", t, o.bytes(471), jint{472}); }},
        {"send fingerprint, byte[403] second", 131,
         [&](auto c, auto& o) {
             return call(c, "EnviarDigitalUsuario", t, o.text("12"), o.bytes(404), o.bytes(403));
         }},
    };
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            tcp_.reset();
            vm_.fail_pins = c.vm_fails;
            JavaObjects objects;
            EXPECT_EQ(c.code, c.run(cls, objects));
            EXPECT_TRUE(tcp_.calls().empty());
            EXPECT_TRUE(objects.untouched());
            expect_clean_vm();
        }
    }
}

// The forms marked "always" write their values whatever the result (0 where
// the operation filled nothing); the others write values and text only on 0.
TEST_F(JniCustomForms, OutValuesAlwaysOrOnlyOnZero) {
    jint t = 5;  // one terminal per class: a punch is not a repeat of the other class's
    const Bytes punch = {3, 28, 2, 26, 7, 59, 0, 0, 0, 0, 0, 0x12, 0xAB, 0xCD, 0, 1};
    const Bytes event = online_event(7, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}, {25, 12, 26, 8, 30, 59});
    struct Case {
        const char* what;
        Answers answers;
        std::function<jint(const char*, jintArray, jobject)> run;
        jint code;
        Ints ints;          // the int[8] after the call
        std::string text = {};  // appended to the StringBuffer
    } cases[] = {
        {"clock, second 75 kept", {{40, {15, 6, 26, 13, 45, 75}}},
         [&](auto c, auto a, auto) { return call(c, "ReceberRelogio", t, a); }, 0, then_fill({15, 6, 26, 13, 45, 75})},
        {"clock, failed: zeros", {{21, Bytes(6, 9)}, {21, Bytes(5, 9)}},
         [&](auto c, auto a, auto) { return call(c, "ReceberRelogio", t, a); }, 1, then_fill({0, 0, 0, 0, 0, 0})},
        {"firmware 0x0203, upper bytes kept", {{40, {14, 0x03, 0x02, 4, 5, 6, 7}}},
         [&](auto c, auto a, auto) { return call(c, "ReceberVersaoFirmware", t, a); }, 0,
         then_fill({14, 0x55555502, 0x55555503, 4, 5, 6, 7})},
        {"firmware, failed: zero bytes", {{21, {14, 1, 2, 3}}},
         [&](auto c, auto a, auto) { return call(c, "ReceberVersaoFirmware", t, a); }, 1,
         then_fill({0, 0x55555500, 0x55555500, 0, 0, 0, 0})},
        {"sensors, failed: zeros", {{21, {1, 1, 1}}},
         [&](auto c, auto a, auto) { return call(c, "LerSensoresCorvo", t, a); }, 1, then_fill({0, 0, 0})},
        {"punch count, failed: 0", {{21, {0x01, 0x2C}}},
         [&](auto c, auto a, auto) { return call(c, "ReceberQuantidadeBilhetes", t, a); }, 1, then_fill({0})},
        {"Ossel total, failed: 0", {{21, {0x01, 0x2C}}},
         [&](auto c, auto a, auto) { return call(c, "ReceberTotalUsuariosOssel", t, a); }, 1, then_fill({0})},
        {"bio model, module error: 0", {{40, biotest::answer(5)}},
         [&](auto c, auto a, auto) { return call(c, "ReceberModeloBio", t, jbyte{0}, a); }, 132, then_fill({0})},
        {"bio version", {{40, biotest::answer(1, {0x02, 0x15})}},
         [&](auto c, auto a, auto) { return call(c, "ReceberVersaoBio", t, jbyte{0}, a); }, 0, then_fill({2, 15})},
        {"fingerprint record size", {{40, biotest::answer(1, {0x01, 0xD8})}},
         [&](auto c, auto a, auto) { return call(c, "ReceberRespostaRequisicaoBio", t, a); }, 0, then_fill({472})},
        {"punch", {{40, punch}}, [&](auto c, auto a, auto b) { return call(c, "ColetarBilhete", t, a, b); }, 0,
         then_fill({3, 28, 2, 26, 7, 59}), "000000000012abcd"},
        {"punch, failed: nothing", {{21, punch}},
         [&](auto c, auto a, auto b) { return call(c, "ColetarBilhete", t, a, b); }, 1, then_fill({})},
        {"online event", {{40, event}},
         [&](auto c, auto a, auto b) { return call(c, "ReceberDadosOnLine", t, a, b); }, 0,
         then_fill({7, 8, 25, 12, 26, 8, 30, 59}), "12345678901234"},
        {"online event, failed: nothing", {{21, event}},
         [&](auto c, auto a, auto b) { return call(c, "ReceberDadosOnLine", t, a, b); }, 128, then_fill({})},
        {"Ossel summary: value byte into the lowest byte", {{40, {0}}, {40, {0xAB, 0x5C, 0x12, 0x3F}}},
         [&](auto c, auto a, auto b) {
             FakeJavaArray<jbyte> record(std::vector<jbyte>(451, kByteFill));
             return call(c, "ReceberUsuarioOssel", t, jbyte{0}, a, FakeJniEnv::ref(record), b);
         },
         0, then_fill({0x5555555C}), "123"},
        {"Ossel summary, refused: value byte 0, no text", {{40, {3}}},
         [&](auto c, auto a, auto b) {
             FakeJavaArray<jbyte> record(std::vector<jbyte>(451, kByteFill));
             return call(c, "ReceberUsuarioOssel", t, jbyte{0}, a, FakeJniEnv::ref(record), b);
         },
         130, then_fill({0x55555500})},
        {"identification text", {{40, biotest::answer(1, {'A', 'B', 'C', 0, 'D'})}},
         [&](auto c, auto, auto b) { return call(c, "ResultadoIdentificacaoBiometrica", t, jbyte{0}, b); }, 0,
         then_fill({}), "ABC"},
    };
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        t = cls == kJavaClasses[0] ? 5 : 6;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            tcp_.reset();
            script(c.answers);
            JavaObjects o;
            const jintArray values = o.ints(8);
            const jobject text = o.buffer();
            EXPECT_EQ(c.code, c.run(cls, values, text));
            EXPECT_EQ(c.ints, o.ints_at(0));
            EXPECT_EQ(c.text, o.text_at(0));
            expect_clean_vm();
        }
    }
}

// Result areas copied into int[] storage as they lie: the first byte into
// the lowest byte of element 0, bytes past the area left as they were.
TEST_F(JniCustomForms, RawByteCopiesIntoIntArrays) {
    open_tcp_lib();
    Bytes card(66);
    for (int i = 0; i < 66; ++i) card[i] = static_cast<uint8_t>(i);
    // Two list records of 16 bytes: the identifier's pair codes.
    Bytes list = {0, 2, 0, 16, 0x01, 0x01, 0x01, 0x01, 0x01, 0x02, 0x24, 0x46, 0x1A, 0x00, 0x9A};
    list.resize(4 + 32, 0xEE);
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        tcp_.reset();
        JavaObjects o;
        script({{40, card}});
        // (arrays made in order: argument evaluation order is unspecified)
        const jintArray r[] = {o.ints(3), o.ints(4), o.ints(4), o.ints(5)};
        ASSERT_EQ(0, call(cls, "LerSmartCard", jint{4}, jint{0x33}, r[0], r[1], r[2], r[3]));
        EXPECT_EQ((Ints{0x05040302, 0x09080706, 0x5555'0B0A}), o.ints_at(0));  // 10 bytes
        EXPECT_EQ((Ints{0x0F0E0D0C, 0x13121110, 0x17161514, 0x1B1A1918}), o.ints_at(1));
        EXPECT_EQ((Ints{0x2F2E2D2C, 0x33323130, 0x37363534, 0x3B3A3938, kFill}), o.ints_at(3));
        EXPECT_EQ(0x33, sent().at(0).data.at(1));

        script({{40, biotest::page_answer(0, 0, 36)}, {40, list}});
        ASSERT_EQ(0, call(cls, "InicializarColetaListaUsuariosBio"));
        ASSERT_EQ(0, call(cls, "SolicitarListaUsuariosComDigital", jint{4}));
        ASSERT_EQ(0, call(cls, "ReceberUsuarioComDigital", o.ints(4)));
        // Identifier bytes 0 0 0 0 | 0 1 23 45 | 19 255 99, then 5 zero bytes.
        EXPECT_EQ((Ints{0, 0x2D170100, 0x0063FF13, 0}), o.ints_at(4));
        EXPECT_EQ(0, call(cls, "ReceberUsuarioComDigital", o.ints(4)));
        EXPECT_EQ(128, call(cls, "ReceberUsuarioComDigital", o.ints(4)));  // past the last record
        EXPECT_EQ((Ints(4, kFill)), o.ints_at(6));
        expect_clean_vm();
    }
}

// Element 0 of each array supplies a counter's four bytes as they lie.
TEST_F(JniCustomForms, CounterValuesComeFromElementZero) {
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        tcp_.reset();
        tcp_.queue_answer(Bytes(66, 0));
        JavaObjects o;
        const jintArray c[] = {o.ints(1, 0x04030201), o.ints(2, 0x45230100), o.ints(1, -1)};
        EXPECT_EQ(0, call(cls, "AtribuirContadorGiro", jint{3}, c[0], c[1], c[2]));
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(125, s[0].command);
        EXPECT_EQ((Bytes{1, 2, 3, 4, 0x00, 0x01, 0x23, 0x45, 0xFF, 0xFF, 0xFF, 0xFF}),
                  Bytes(s[0].data.begin() + 2, s[0].data.begin() + 14));
        EXPECT_EQ((Ints{0x45230100, 0x45230100}), o.ints_at(1));  // nothing written back
        expect_clean_vm();
    }
}

// The list record: 10 characters through class Varanda, 16 through
// com.melbrosa.Varanda, up to the first zero byte; a record longer than the
// cut fits the bridge's own area whatever the module's record size.
TEST_F(JniCustomForms, ListRecordTextIsCutPerClass) {
    struct Case {
        const char* what;
        Bytes record;
        std::string varanda, melbrosa;
    } cases[] = {
        {"16 characters", Bytes{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'},
         "ABCDEFGHIJ", "ABCDEFGHIJKLMNOP"},
        {"ends at a zero byte", Bytes{'1', '2', '3', 0, '5', '6', '7', '8', '9', '0', '1', '2', '3', '4', '5', '6'},
         "123", "123"},
        {"128 bytes", Bytes(128, 'x'), std::string(10, 'x'), std::string(16, 'x')},
    };
    open_tcp_lib();
    for (const Case& c : cases) {
        for (const char* cls : kJavaClasses) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            tcp_.reset();
            const uint16_t size = static_cast<uint16_t>(c.record.size());
            Bytes package(4 + c.record.size());
            package[1] = 1;
            package[2] = static_cast<uint8_t>(size >> 8);
            package[3] = static_cast<uint8_t>(size);
            std::copy(c.record.begin(), c.record.end(), package.begin() + 4);
            script({{40, biotest::page_answer(0, 0, static_cast<uint16_t>(package.size()))}, {40, package}});
            ASSERT_EQ(0, call(cls, "InicializarColetaListaUsuariosBio"));
            ASSERT_EQ(0, call(cls, "ReceberPacoteListaUsuariosBio", jint{3}));
            JavaObjects o;
            EXPECT_EQ(0, call(cls, "ReceberUsuarioLista", jint{3}, o.buffer()));
            EXPECT_EQ(std::string(cls) == "Varanda" ? c.varanda : c.melbrosa, o.text_at(0));
            EXPECT_EQ(128, call(cls, "ReceberUsuarioLista", jint{3}, o.buffer()));  // no further record
            EXPECT_EQ("", o.text_at(1));
            expect_clean_vm();
        }
    }
}

// A Java string that cannot be made: 8, no exception left pending.
TEST_F(JniCustomForms, TextThatCannotBeMadeGivesEight) {
    open_tcp_lib();
    vm_.fail_new_string = true;
    tcp_.queue_answer(biotest::answer(1, {'A', 'B'}));
    JavaObjects o;
    EXPECT_EQ(8, call("Varanda", "ResultadoIdentificacaoBiometrica", jint{3}, jbyte{0}, o.buffer()));
    EXPECT_EQ("", o.text_at(0));
    EXPECT_EQ(1, vm_.exceptions_cleared);
    expect_clean_vm();
}

}  // namespace
