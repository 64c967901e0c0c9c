// The automatic online/offline change block through the exports
// (command 114, 72 bytes): each setter's bytes, both entry-form encodings,
// refusals that change nothing.
#include <functional>
#include <map>

#include "../config/display_expect.h"
#include "sdk_test.h"

namespace {

using displayexpect::padded;
using displayexpect::second_line;
using displayexpect::slice;

std::vector<uint8_t> start_block() {
    std::vector<uint8_t> b(72, ' ');
    std::fill(b.begin(), b.begin() + 8, 0);
    return b;
}

class OnlineOfflineChange : public testsupport::SdkTest {
protected:
    std::vector<uint8_t> send_block() {
        const size_t before = sent().size();
        EXPECT_EQ(0, api().EnviarConfiguracoesMudancaAutomaticaOnLineOffLine(11));
        auto s = sent();
        EXPECT_EQ(before + 1, s.size());
        return s.empty() ? std::vector<uint8_t>() : s.back().data;
    }
};

TEST_F(OnlineOfflineChange, SettersWriteTheirBytesAndRefusalsChangeNothing) {
    open_tcp_lib();
    struct Case {
        const char* what;
        std::function<uint8_t(VarandaApi&)> call;
        uint8_t code;
        std::map<int, uint8_t> changes;
    } cases[] = {
        {"mode 2 time 50", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(2, 50); }, 0, {{0, 2}, {1, 50}}},
        {"mode 3 stored as 0", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(3, 10); }, 0,
         {{0, 0}, {1, 10}}},
        {"mode 1 time 51", [](VarandaApi& a) { return a.HabilitarMudancaOnLineOffLine(1, 51); }, 128, {}},
        {"offline 1,4,3,9", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 4, 3, 9); }, 0, {{2, 0xB9}}},
        {"offline 0,0,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(0, 0, 0, 0); }, 0, {{2, 0x80}}},
        {"offline 7,2,4,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(7, 2, 4, 0); }, 0, {{2, 0xC5}}},
        {"offline second 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 5, 0, 0); }, 128, {}},
        {"offline third 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLine(1, 0, 5, 0); }, 129, {}},
        {"bio 1,4,4,1,1", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(1, 4, 4, 1, 1); }, 0,
         {{2, 0x79}}},
        {"bio 0,2,1,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 2, 1, 0, 0); }, 0,
         {{2, 0x46}}},
        {"bio 0,0,3,0,0", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 0, 3, 0, 0); }, 0,
         {{2, 0x42}}},
        {"bio 1,4,0,0,9", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(1, 4, 0, 0, 9); }, 0,
         {{2, 0x69}}},
        {"bio second 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 5, 0, 0, 0); }, 128,
         {}},
        {"bio third 5", [](VarandaApi& a) { return a.DefinirEntradasMudancaOffLineComBiometria(0, 4, 5, 0, 0); }, 129,
         {}},
        {"online forms", [](VarandaApi& a) { return a.DefinirEntradasMudancaOnLine(0xE7); }, 0, {{5, 0xE7}}},
        {"keypad limits", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(20, 2, 50, 32); }, 0,
         {{3, 20}, {4, 2}, {6, 50}, {7, 32}}},
        {"keypad 21", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(21, 0, 0, 0); }, 128, {}},
        {"keypad 3", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(0, 3, 0, 0); }, 129, {}},
        {"keypad 51", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 1, 51, 1); }, 130, {}},
        {"keypad 33", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 1, 1, 33); }, 131, {}},
        {"keypad small", [](VarandaApi& a) { return a.DefinirConfiguracaoTecladoOnLine(1, 0, 9, 4); }, 0,
         {{3, 1}, {4, 0}, {6, 9}, {7, 4}}},
    };
    std::vector<uint8_t> expected = start_block();
    EXPECT_EQ(expected, send_block());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.code, c.call(api()));
        for (const auto& [offset, value] : c.changes) expected[offset] = value;
        EXPECT_EQ(expected, send_block());
    }
    auto call = tcp_.calls("Envia_Dados").back();
    EXPECT_EQ(11, call.ints[0]);
    EXPECT_EQ(114, call.ints[1]);
    EXPECT_EQ(72, call.ints[2]);
}

TEST_F(OnlineOfflineChange, StandardMessagesFillTheirHalves) {
    open_tcp_lib();
    const std::string twenty = "ABCDEFGHIJKLMNOPQRST";
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOnLine(1, twenty.c_str()));
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOffLine(0, "Modo offline ativo - use o cartao"));
    auto b = send_block();
    EXPECT_EQ(std::vector<uint8_t>(8, 0), slice(b, 0, 8));
    EXPECT_EQ(second_line("ABCDEFGHIJKLMNOP"), slice(b, 8, 32));
    EXPECT_EQ(padded("Modo offline ativo - use o cart"
                     "a"),
              slice(b, 40, 32));
    ASSERT_EQ(0, api().DefinirMensagemPadraoMudancaOnLine(0, nullptr));
    auto again = send_block();
    EXPECT_EQ(padded(""), slice(again, 8, 32));
    EXPECT_EQ(slice(b, 40, 32), slice(again, 40, 32));
}

}  // namespace
