// The Java forms of both classes, called by their exported names as a
// virtual machine finds them, with a stand-in JNIEnv, on every build (the
// Windows one under Wine included).
#include <jni.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "../bio/bio_test_support.h"
#include "fake_jni_env.h"
#include "online_record.h"
#include "sdk_test.h"

namespace {

using testsupport::FakeJavaArray;
using testsupport::FakeJavaString;
using testsupport::FakeJniEnv;
using testsupport::FakeStringBuffer;
using Bytes = std::vector<uint8_t>;
using Answers = std::vector<std::pair<int32_t, Bytes>>;  // receive results and bytes, in order
using Ints = std::vector<jint>;

const char* const kJavaClasses[] = {"Varanda", "com_melbrosa_Varanda"};
constexpr jint kFill = 0x55555555;  // what the caller's arrays held
constexpr jbyte kByteFill = 0x55;

// The exported name of a native method with `java_args` Java arguments.
std::string jni_name(const std::string& cls, const std::string& method, int java_args) {
#if defined(_WIN32) && !defined(_WIN64)
    return "_Java_" + cls + "_" + method + "@" + std::to_string(8 + 4 * java_args);
#else
    (void)java_args;
    return "Java_" + cls + "_" + method;
#endif
}

// The Java objects of one call, made on demand.
class JavaObjects {
public:
    jintArray ints(size_t n, jint fill = kFill) { return FakeJniEnv::ref(ints_.emplace_back(Ints(n, fill))); }
    jbyteArray bytes(size_t n) { return FakeJniEnv::ref(bytes_.emplace_back(std::vector<jbyte>(n, kByteFill))); }
    jobject buffer(bool append = true) { return FakeJniEnv::ref(buffers_.emplace_back(FakeStringBuffer{"", append})); }
    jstring text(const std::u16string& s) { return FakeJniEnv::ref(strings_.emplace_back(FakeJavaString{s})); }
    const Ints& ints_at(size_t i) const { return ints_.at(i).elements; }
    const std::string& text_at(size_t i) const { return buffers_.at(i).text; }

    bool untouched() const {
        const auto same = [](const auto& a, auto v) { return std::count(a.begin(), a.end(), v) == std::ssize(a); };
        return std::all_of(ints_.begin(), ints_.end(), [&](const auto& a) { return same(a.elements, kFill); }) &&
               std::all_of(bytes_.begin(), bytes_.end(), [&](const auto& a) { return same(a.elements, kByteFill); }) &&
               std::all_of(buffers_.begin(), buffers_.end(), [](const auto& b) { return b.text.empty(); });
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

class JniForms : public testsupport::SdkTest {
protected:
    template <class... A>
    jint call(const std::string& cls, const char* method, A... args) {
        using Fn = jint(JNICALL*)(JNIEnv*, jclass, A...);
        const std::string name = jni_name(cls, method, static_cast<int>(sizeof...(A)));
        auto fn = reinterpret_cast<Fn>(sdk_.symbol(name.c_str()));
        EXPECT_NE(nullptr, fn) << name << " is not exported";
        return fn != nullptr ? fn(vm_.env(), nullptr, args...) : -1;
    }
    void script(const Answers& answers) {
        for (const auto& [result, bytes] : answers) tcp_.queue_answer(result, bytes);
    }
    void expect_clean_vm() {
        EXPECT_EQ(vm_.pins, vm_.releases);
        for (jint mode : vm_.release_modes) EXPECT_EQ(0, mode);
        EXPECT_FALSE(vm_.exception_pending);
    }
    FakeJniEnv vm_;
};

TEST_F(JniForms, ScalarFormsPassIntsAndAllEightBitsOfBytes) {
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        EXPECT_EQ(9, call(cls, "DefinirTipoConexao", static_cast<jbyte>(0x81)));  // 129, not 1
        EXPECT_EQ(0, call(cls, "DefinirTipoConexao", jbyte{1}));
        EXPECT_EQ(0, call(cls, "AbrirPortaComunicacao", jint{2}));
        tcp_.reset();
        tcp_.queue_result("Envia_Dados", 21);
        EXPECT_EQ(1, call(cls, "AcionarRele1", jint{0x10005}));
        EXPECT_EQ(0, call(cls, "AcionarRele1", jint{3}));
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(0x10005, s[0].terminal);
        EXPECT_EQ(1, s[0].command);
        EXPECT_EQ(-1, call(cls, "LerByteModem"));  // a 32-bit result, not 255
        EXPECT_EQ(0, call(cls, "FecharPortaComunicacao"));
    }
    EXPECT_EQ(0, vm_.pins);
}

// Texts go out as ISO-8859-1 bytes, each String in its place; results pass
// unchanged.
TEST_F(JniForms, StringFormsSendSingleBytes) {
    FakeJavaString init{u"AT&F\u00e9"}, number{u"5551234"};
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        ASSERT_EQ(0, api().DefinirTipoConexao(3));
        serial_.reset();
        serial_.queue_result("Le_Modem", 7);  // busy
        EXPECT_EQ(7, call(cls, "ConectarModem", jint{2}, FakeJniEnv::ref(init), jint{0}, FakeJniEnv::ref(number),
                          jint{4}));
        std::vector<std::string> texts;
        for (const auto& t : serial_.calls("Modem_Str")) texts.push_back(t.text());
        EXPECT_EQ((std::vector<std::string>{"AT&F\xE9", "ATDP5551234"}), texts);
        api().FecharPortaComunicacao();
        expect_clean_vm();
    }
}

// Each kind of refusal once, at the forms' own least lengths and rules, and
// the generated byte[] form's (the pins' own refusals and the fingerprint
// record's are jni_bridge_unit_test.cpp's): 8, or 128 + the position of a
// short array; nothing reaches the terminal or the Java objects.
TEST_F(JniForms, RefusalsReachNeitherTheTerminalNorTheJavaObjects) {
    const jint t = 3;
    const auto card = [&](const char* c, JavaObjects& o, jint area, size_t last) {
        return call(c, "LerSmartCard", t, area, o.ints(3), o.ints(4), o.ints(4), o.ints(last));
    };
    const auto dial = [&](const char* c, jstring init, jstring number) {
        return call(c, "ConectarModem", jint{2}, init, jint{0}, number, jint{4});
    };
    struct Case {
        const char* what;
        jint code;
        std::function<jint(const char*, JavaObjects&)> run;
        bool vm_fails = false;
    } cases[] = {
        {"String, no pin", 8,
         [&](auto c, auto& o) { return call(c, "EnviarStringInicializacaoModem", o.text(u"AT")); }, true},
        {"dial, null number", 8, [&](auto c, auto& o) { return dial(c, o.text(u"ATZ"), jstring{}); }},
        {"dial, null initialisation", 8, [&](auto c, auto& o) { return dial(c, jstring{}, o.text(u"555")); }},
        {"clock, int[5]", 129, [&](auto c, auto& o) { return call(c, "ReceberRelogio", t, o.ints(5)); }},
        {"clock, no pin", 8, [&](auto c, auto& o) { return call(c, "ReceberRelogio", t, o.ints(6)); }, true},
        {"smart card, int[3] last", 133, [&](auto c, auto& o) { return card(c, o, 1, 3); }},
        {"smart card, area 256", 129, [&](auto c, auto& o) { return card(c, o, 256, 4); }},
        {"smart card, area -1", 129, [&](auto c, auto& o) { return card(c, o, -1, 4); }},
        {"set counters, null second", 8,
         [&](auto c, auto& o) { return call(c, "AtribuirContadorGiro", t, o.ints(1), jintArray{}, o.ints(1)); }},
        {"punch, null StringBuffer", 8,
         [&](auto c, auto& o) { return call(c, "ColetarBilhete", t, o.ints(6), jobject{}); }},
        {"punch, no append", 8,
         [&](auto c, auto& o) { return call(c, "ColetarBilhete", t, o.ints(6), o.buffer(false)); }},
        {"online event, int[7]", 129,
         [&](auto c, auto& o) { return call(c, "ReceberDadosOnLine", t, o.ints(7), o.buffer()); }},
        {"Ossel user, mode 2, byte[450]", 131,
         [&](auto c, auto& o) {
             return call(c, "ReceberUsuarioOssel", t, jbyte{2}, o.ints(1), o.bytes(450), o.buffer());
         }},
        {"send fingerprint, byte[403] second", 131,
         [&](auto c, auto& o) {
             return call(c, "EnviarDigitalUsuario", t, o.text(u"12"), o.bytes(404), o.bytes(403));
         }},
        {"generated byte[] form, byte[403]", 129,
         [&](auto c, auto& o) { return call(c, "ReceberTemplateCapturadoCorvo", t, o.bytes(403)); }},
        {"generated byte[] form, null", 8,
         [&](auto c, auto&) { return call(c, "ReceberTemplateCapturadoCorvo", t, jbyteArray{}); }},
    };
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            tcp_.reset();
            serial_.reset();
            vm_.fail_pins = c.vm_fails;
            JavaObjects objects;
            EXPECT_EQ(c.code, c.run(cls, objects));
            EXPECT_TRUE(tcp_.calls().empty());
            EXPECT_TRUE(serial_.calls().empty());
            EXPECT_TRUE(objects.untouched());
            expect_clean_vm();
        }
    }
}

// The forms marked "always" write their values whatever the result (0 where
// the operation filled nothing); the others write values and text only on 0.
TEST_F(JniForms, OutValuesAlwaysOrOnlyOnZero) {
    jint t = 5;  // one terminal per class: a punch is not a repeat of the other class's
    using Run = std::function<jint(const char*, jintArray, jobject)>;
    const auto values = [&](const char* m) -> Run { return [&, m](auto c, auto a, auto) { return call(c, m, t, a); }; };
    const auto bio = [&](const char* m) -> Run {
        return [&, m](auto c, auto a, auto) { return call(c, m, t, jbyte{0}, a); };
    };
    const auto with_text = [&](const char* m) -> Run {
        return [&, m](auto c, auto a, auto b) { return call(c, m, t, a, b); };
    };
    const Run ossel = [&](auto c, auto a, auto b) {
        FakeJavaArray<jbyte> record(std::vector<jbyte>(451, kByteFill));
        return call(c, "ReceberUsuarioOssel", t, jbyte{0}, a, FakeJniEnv::ref(record), b);
    };
    const Run identification = [&](auto c, auto, auto b) {
        return call(c, "ResultadoIdentificacaoBiometrica", t, jbyte{0}, b);
    };
    const Bytes punch = {3, 28, 2, 26, 7, 59, 0, 0, 0, 0, 0, 0x12, 0xAB, 0xCD, 0, 1};
    const Bytes event =
        testsupport::online_event(7, 8, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4}, {25, 12, 26, 8, 30, 59});
    struct Case {
        const char* what;
        Answers answers;
        Run run;
        jint code;
        Ints ints;              // the int[8] after the call
        std::string text = {};  // appended to the StringBuffer
        bool text_fails = false;  // the virtual machine cannot make the Java string
    } cases[] = {
        {"clock, second 75 kept", {{40, {15, 6, 26, 13, 45, 75}}}, values("ReceberRelogio"), 0,
         then_fill({15, 6, 26, 13, 45, 75})},
        {"clock, failed: zeros", {{21, Bytes(6, 9)}, {21, Bytes(5, 9)}}, values("ReceberRelogio"), 1,
         then_fill({0, 0, 0, 0, 0, 0})},
        {"firmware 0x0203, upper bytes kept", {{40, {14, 0x03, 0x02, 4, 5, 6, 7}}}, values("ReceberVersaoFirmware"), 0,
         then_fill({14, 0x55555502, 0x55555503, 4, 5, 6, 7})},
        {"firmware, failed: zero bytes", {{21, {14, 1, 2, 3}}}, values("ReceberVersaoFirmware"), 1,
         then_fill({0, 0x55555500, 0x55555500, 0, 0, 0, 0})},
        {"sensors, failed: zeros", {{21, {1, 1, 1}}}, values("LerSensoresCorvo"), 1, then_fill({0, 0, 0})},
        {"punch count, failed: 0", {{21, {0x01, 0x2C}}}, values("ReceberQuantidadeBilhetes"), 1, then_fill({0})},
        {"Ossel total, failed: 0", {{21, {0x01, 0x2C}}}, values("ReceberTotalUsuariosOssel"), 1, then_fill({0})},
        {"bio model, module error: 0", {{40, biotest::answer(5)}}, bio("ReceberModeloBio"), 132, then_fill({0})},
        {"bio version", {{40, biotest::answer(1, {0x02, 0x15})}}, bio("ReceberVersaoBio"), 0, then_fill({2, 15})},
        {"fingerprint record size", {{40, biotest::answer(1, {0x01, 0xD8})}}, values("ReceberRespostaRequisicaoBio"),
         0, then_fill({472})},
        {"punch", {{40, punch}}, with_text("ColetarBilhete"), 0, then_fill({3, 28, 2, 26, 7, 59}), "000000000012abcd"},
        {"punch, failed: nothing", {{21, punch}}, with_text("ColetarBilhete"), 1, then_fill({})},
        {"online event", {{40, event}}, with_text("ReceberDadosOnLine"), 0, then_fill({7, 8, 25, 12, 26, 8, 30, 59}),
         "12345678901234"},
        {"Ossel summary: value byte into the lowest byte", {{40, {0}}, {40, {0xAB, 0x5C, 0x12, 0x3F}}}, ossel, 0,
         then_fill({0x5555555C}), "123"},
        {"Ossel summary, refused: value byte 0, no text", {{40, {3}}}, ossel, 130, then_fill({0x55555500})},
        {"identification text", {{40, biotest::answer(1, {'A', 'B', 'C', 0, 'D'})}}, identification, 0, then_fill({}),
         "ABC"},
        {"identification, no Java string: 8", {{40, biotest::answer(1, {'A', 'B'})}}, identification, 8,
         then_fill({}), "", true},
    };
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        t = cls == kJavaClasses[0] ? 5 : 6;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            tcp_.reset();
            script(c.answers);
            vm_.fail_new_string = c.text_fails;
            JavaObjects o;
            const jintArray ints = o.ints(8);
            EXPECT_EQ(c.code, c.run(cls, ints, o.buffer()));
            EXPECT_EQ(c.ints, o.ints_at(0));
            EXPECT_EQ(c.text, o.text_at(0));
            expect_clean_vm();
        }
    }
}

// Result areas copied into int[] storage as they lie: the first byte into
// the lowest byte of element 0, bytes past the area left as they were.
TEST_F(JniForms, RawByteCopiesIntoIntArrays) {
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
        const jintArray r[] = {o.ints(3), o.ints(4), o.ints(4), o.ints(5)};  // in order, not as arguments
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
TEST_F(JniForms, CounterValuesComeFromElementZero) {
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        tcp_.reset();
        tcp_.queue_answer(Bytes(66, 0));
        JavaObjects o;
        const jintArray c[] = {o.ints(1, 0x04030201), o.ints(2, 0x45230100), o.ints(1, -1)};
        EXPECT_EQ(0, call(cls, "AtribuirContadorGiro", jint{3}, c[0], c[1], c[2]));
        const auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(125, s[0].command);
        EXPECT_EQ((Bytes{1, 2, 3, 4, 0x00, 0x01, 0x23, 0x45, 0xFF, 0xFF, 0xFF, 0xFF}),
                  Bytes(s[0].data.begin() + 2, s[0].data.begin() + 14));
        EXPECT_EQ((Ints{0x45230100, 0x45230100}), o.ints_at(1));  // nothing written back
        expect_clean_vm();
    }
}

// The list record: 10 characters through class Varanda, 16 through
// com.melbrosa.Varanda (up to the first zero byte: JniModifiedUtf8); a record
// longer than the cut fits the bridge's own area whatever its size.
TEST_F(JniForms, ListRecordTextIsCutPerClass) {
    const std::string record = "ABCDEFGHIJKLMNOP" + std::string(112, 'x');
    Bytes package = {0, 1, 0, static_cast<uint8_t>(record.size())};
    package.insert(package.end(), record.begin(), record.end());
    open_tcp_lib();
    for (const char* cls : kJavaClasses) {
        SCOPED_TRACE(cls);
        tcp_.reset();
        script({{40, biotest::page_answer(0, 0, static_cast<uint16_t>(package.size()))}, {40, package}});
        ASSERT_EQ(0, call(cls, "InicializarColetaListaUsuariosBio"));
        ASSERT_EQ(0, call(cls, "ReceberPacoteListaUsuariosBio", jint{3}));
        JavaObjects o;
        EXPECT_EQ(0, call(cls, "ReceberUsuarioLista", jint{3}, o.buffer()));
        EXPECT_EQ(record.substr(0, cls == kJavaClasses[0] ? 10 : 16), o.text_at(0));
        EXPECT_EQ(128, call(cls, "ReceberUsuarioLista", jint{3}, o.buffer()));  // no further record
        EXPECT_EQ("", o.text_at(1));
        expect_clean_vm();
    }
}

}  // namespace
