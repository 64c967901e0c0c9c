// The generated JNI functions of both classes, called as a virtual machine
// calls them, on every build (the Windows one under Wine included); and the
// teardown an unload does (a process that ends with the SDK still loaded, as
// a virtual machine does, skips it: exit_with_sdk_loaded checks that it ends
// cleanly).
#include <functional>
#include <string>
#include <vector>

#include "jni_calls.h"

namespace {

using testsupport::FakeJavaString;
using testsupport::FakeJniEnv;
using testsupport::kJavaClasses;

class JniExports : public testsupport::JniTest {};

TEST_F(JniExports, ScalarFormsPassIntsAndAllEightBitsOfBytes) {
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
        EXPECT_EQ(2, call(cls, "AcionarRele1", jint{3}));
    }
    EXPECT_EQ(0, vm_.pins);
}

TEST_F(JniExports, RedLedOffIsSpelledPerClass) {
    const auto exported = [&](const char* cls, const char* method) {
        return sdk_.symbol(testsupport::jni_name(cls, method, 1).c_str()) != nullptr;
    };
    EXPECT_TRUE(exported("Varanda", "DesLigarLedVermelho"));
    EXPECT_FALSE(exported("Varanda", "DesligarLedVermelho"));
    EXPECT_TRUE(exported("com_melbrosa_Varanda", "DesligarLedVermelho"));
    EXPECT_FALSE(exported("com_melbrosa_Varanda", "DesLigarLedVermelho"));
}

// Texts go out as ISO-8859-1 bytes; a null String, or one the virtual
// machine cannot pin, gives 8 with nothing done; results pass unchanged.
TEST_F(JniExports, StringFormsSendSingleBytesOrRefuseWithEight) {
    FakeJavaString at{u"AT&F\u00e9"}, init{u"ATZ"}, number{u"5551234"};
    const jstring none = nullptr;
    const auto send = [&](const char* cls, jstring text) { return call(cls, "EnviarStringInicializacaoModem", text); };
    const auto dial = [&](const char* cls, jstring i, jstring n) {
        return call(cls, "ConectarModem", jint{2}, i, jint{0}, n, jint{4});
    };
    struct Case {
        const char* what;
        std::function<jint(const char*)> run;
        bool open, vm_fails;  // the dial form opens the port itself
        jint code;
        std::vector<std::string> texts;  // Modem_Str, in order
    } cases[] = {
        {"sent", [&](auto cls) { return send(cls, FakeJniEnv::ref(at)); }, true, false, 0, {"AT&F\xE9"}},
        {"null String", [&](auto cls) { return send(cls, none); }, true, false, 8, {}},
        {"text cannot be pinned", [&](auto cls) { return send(cls, FakeJniEnv::ref(at)); }, true, true, 8, {}},
        {"dial, busy", [&](auto cls) { return dial(cls, FakeJniEnv::ref(init), FakeJniEnv::ref(number)); }, false,
         false, 7, {"ATZ", "ATDP5551234"}},
        {"dial, null number", [&](auto cls) { return dial(cls, FakeJniEnv::ref(init), none); }, false, false, 8, {}},
        {"dial, null initialisation", [&](auto cls) { return dial(cls, none, FakeJniEnv::ref(number)); }, false,
         false, 8, {}},
    };
    for (const char* cls : kJavaClasses) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(cls) + ": " + c.what);
            ASSERT_EQ(0, api().DefinirTipoConexao(3));
            ASSERT_EQ(0, c.open ? api().AbrirPortaComunicacao(1) : 0);
            serial_.reset();
            serial_.queue_result("Modem_Str", 0);
            serial_.queue_result("Le_Modem", 7);
            vm_.fail_pins = c.vm_fails;
            EXPECT_EQ(c.code, c.run(cls));
            std::vector<std::string> texts;
            for (const auto& t : serial_.calls("Modem_Str")) texts.push_back(t.text());
            EXPECT_EQ(c.texts, texts);
            EXPECT_TRUE(c.code != 8 || serial_.calls().empty());
            EXPECT_EQ(vm_.pins, vm_.releases);
            EXPECT_FALSE(vm_.exception_pending);
            api().FecharPortaComunicacao();
        }
    }
}

TEST_F(JniExports, UnloadReleasesTheComComponent) {
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    ASSERT_EQ(1, tcp_com_.live_objects());
    sdk_.unload();
    EXPECT_EQ(0, tcp_com_.live_objects());
    ASSERT_TRUE(sdk_.load());
}

}  // namespace
