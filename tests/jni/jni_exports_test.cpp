// The exported JNI functions of both classes, called as a virtual machine
// calls them (found by their exported names, with a stand-in JNIEnv), so
// that they are checked on every build, the Windows one under Wine included.
// The same functions are driven from a real virtual machine by
// VarandaJniTest.java.
#include <jni.h>

#include <string>

#include "fake_jni_env.h"
#include "jni_symbols.h"
#include "sdk_test.h"

namespace {

using testsupport::FakeJavaString;
using testsupport::FakeJniEnv;
using testsupport::jni_name;
const auto& kClasses = testsupport::kJavaClasses;

using IntFn = jint(JNICALL*)(JNIEnv*, jclass, jint);
using ByteFn = jint(JNICALL*)(JNIEnv*, jclass, jbyte);
using VoidArgsFn = jint(JNICALL*)(JNIEnv*, jclass);
using StringFn = jint(JNICALL*)(JNIEnv*, jclass, jstring);
using DialFn = jint(JNICALL*)(JNIEnv*, jclass, jint, jstring, jint, jstring, jint);

class JniExports : public testsupport::SdkTest {
protected:
    template <class Fn>
    Fn find(const std::string& cls, const std::string& method, int java_args) {
        return reinterpret_cast<Fn>(sdk_.symbol(jni_name(cls, method, java_args).c_str()));
    }
    void open_modem() {
        ASSERT_EQ(0, api().DefinirTipoConexao(3));
        ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
        serial_.reset();
    }
    FakeJniEnv vm_;
};

TEST_F(JniExports, ScalarFormsPassIntsAndAllEightBitsOfBytes) {
    for (const char* cls : kClasses) {
        SCOPED_TRACE(cls);
        auto set_type = find<ByteFn>(cls, "DefinirTipoConexao", 1);
        auto open = find<IntFn>(cls, "AbrirPortaComunicacao", 1);
        auto relay = find<IntFn>(cls, "AcionarRele1", 1);
        auto read = find<VoidArgsFn>(cls, "LerByteModem", 0);
        auto close = find<VoidArgsFn>(cls, "FecharPortaComunicacao", 0);
        ASSERT_TRUE(set_type && open && relay && read && close);

        EXPECT_EQ(9, set_type(vm_.env(), nullptr, static_cast<jbyte>(0x81)));  // 129, not 1
        EXPECT_EQ(0, set_type(vm_.env(), nullptr, 1));
        EXPECT_EQ(0, open(vm_.env(), nullptr, 2));
        tcp_.reset();
        tcp_.queue_result("Envia_Dados", 21);
        EXPECT_EQ(1, relay(vm_.env(), nullptr, 0x10005));
        EXPECT_EQ(0, relay(vm_.env(), nullptr, 3));
        auto s = sent();
        ASSERT_EQ(2u, s.size());
        EXPECT_EQ(0x10005, s[0].terminal);
        EXPECT_EQ(1, s[0].command);
        EXPECT_EQ(-1, read(vm_.env(), nullptr));  // a 32-bit result, not 255
        EXPECT_EQ(0, close(vm_.env(), nullptr));
        EXPECT_EQ(2, relay(vm_.env(), nullptr, 3));
    }
    EXPECT_EQ(0, vm_.pins);
}

// (What the function does is the scalar forms' test above.)
TEST_F(JniExports, RedLedOffIsSpelledPerClass) {
    EXPECT_NE(nullptr, find<IntFn>("Varanda", "DesLigarLedVermelho", 1));
    EXPECT_EQ(nullptr, find<IntFn>("Varanda", "DesligarLedVermelho", 1));
    EXPECT_NE(nullptr, find<IntFn>("com_melbrosa_Varanda", "DesligarLedVermelho", 1));
    EXPECT_EQ(nullptr, find<IntFn>("com_melbrosa_Varanda", "DesLigarLedVermelho", 1));
}

TEST_F(JniExports, StringFormPinsCallsAndReleasesOnEveryPath) {
    struct Case {
        const char* what;
        bool null;
        bool vm_fails;
        bool open;
        int32_t modem_result;  // Modem_Str
        jint code;
        bool sent;
    } cases[] = {
        {"sent", false, false, true, 0, 0, true},
        {"null String", true, false, true, 0, 8, false},
        {"text cannot be pinned", false, true, true, 0, 8, false},
    };
    for (const char* cls : kClasses) {
        auto send = find<StringFn>(cls, "EnviarStringInicializacaoModem", 1);
        ASSERT_NE(nullptr, send);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            FakeJniEnv vm;
            vm.fail_pins = c.vm_fails;
            ASSERT_EQ(0, api().DefinirTipoConexao(3));
            if (c.open) {
                ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
            }
            serial_.reset();
            serial_.queue_result("Modem_Str", c.modem_result);
            FakeJavaString text{"AT&F\xC3\xA9"};
            EXPECT_EQ(c.code, send(vm.env(), nullptr, c.null ? nullptr : FakeJniEnv::ref(text)));
            auto texts = serial_.calls("Modem_Str");
            ASSERT_EQ(c.sent ? 1u : 0u, texts.size());
            if (c.sent) {
                EXPECT_EQ("AT&F\xE9", texts[0].text());  // one ISO-8859-1 byte a character
            }
            EXPECT_EQ(vm.pins, vm.releases);
            EXPECT_FALSE(vm.exception_pending);
            api().FecharPortaComunicacao();
        }
    }
}

TEST_F(JniExports, DialFormRefusesNullTextsWithEightAndPassesResultsUnchanged) {
    struct Case {
        const char* what;
        bool null_init;
        bool null_number;
        std::string number;
        int32_t modem;  // Le_Modem
        jint result;
        bool touched;   // the serial library saw anything
    } cases[] = {
        {"busy", false, false, "5551234", 7, 7, true},
        {"null number", false, true, "", 0, 8, false},
        {"null initialisation", true, false, "5551234", 0, 8, false},
    };
    for (const char* cls : kClasses) {
        auto dial = find<DialFn>(cls, "ConectarModem", 5);
        ASSERT_NE(nullptr, dial);
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            FakeJniEnv vm;
            ASSERT_EQ(0, api().DefinirTipoConexao(3));
            serial_.reset();
            serial_.queue_result("Le_Modem", c.modem);
            FakeJavaString init{"ATZ"}, number{c.number};
            EXPECT_EQ(c.result, dial(vm.env(), nullptr, 2, c.null_init ? nullptr : FakeJniEnv::ref(init), 0,
                                     c.null_number ? nullptr : FakeJniEnv::ref(number), 4));
            EXPECT_EQ(c.touched, !serial_.calls().empty());
            if (c.touched) {
                auto texts = serial_.calls("Modem_Str");
                ASSERT_EQ(2u, texts.size());
                EXPECT_EQ("ATDP" + c.number, texts[1].text());
            }
            EXPECT_EQ(vm.pins, vm.releases);
            api().FecharPortaComunicacao();
        }
    }
}

}  // namespace
