// The function-key block through the exports (command 128, 10 bytes):
// setter bits, the score bit and refusals (what a send does to the block:
// PreparedBlocks in offline_messages_test.cpp).
#include <functional>
#include <map>

#include "sdk_test.h"

namespace {

class FunctionKeys : public testsupport::SdkTest {
protected:
    std::vector<uint8_t> send_block(uint8_t expected_code = 0) {
        const size_t before = sent().size();
        EXPECT_EQ(expected_code, api().EnviarConfiguracoesFuncoes(4));
        auto s = sent();
        EXPECT_EQ(before + 1, s.size());
        return s.empty() ? std::vector<uint8_t>() : s.back().data;
    }
};

TEST_F(FunctionKeys, SettersBuildEachFunctionsByte) {
    open_tcp_lib();
    using Call = std::function<uint8_t(VarandaApi&)>;
    struct Step {
        Call call;
        uint8_t code;
    };
    const Call define_3 = [](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(3, 2, 1, 0, 1, 0); };
    const Call score_3 = [](VarandaApi& a) { return a.HabilitarScoreFuncoes(3, 1); };
    // Each case starts from the empty block that the previous send left.
    struct Case {
        const char* what;
        std::vector<Step> steps;
        std::map<int, uint8_t> block;  // the non-zero bytes sent afterwards
    } cases[] = {
        {"mode 2, options 1 and 3", {{define_3, 0}}, {{3, 0x16}}},
        {"then score", {{define_3, 0}, {score_3, 0}}, {{3, 0x56}}},
        {"score twice", {{define_3, 0}, {score_3, 0}, {score_3, 0}}, {{3, 0x56}}},
        {"defining again clears the score", {{define_3, 0}, {score_3, 0}, {define_3, 0}}, {{3, 0x16}}},
        {"score first is lost", {{score_3, 0}, {define_3, 0}}, {{3, 0x16}}},
        {"all options, score on and off",
         {{[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(0, 3, 9, 9, 9, 9); }, 0},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(0, 7); }, 0},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(0, 0); }, 0}},
         {{0, 0x3F}}},
        {"score alone and mode with option 4",
         {{[](VarandaApi& a) { return a.HabilitarScoreFuncoes(9, 1); }, 0},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(8, 1, 0, 0, 0, 200); }, 0}},
         {{8, 0x21}, {9, 0x40}}},
        {"refusals change nothing",
         {{define_3, 0},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(10, 0, 0, 0, 0, 0); }, 128},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(3, 4, 1, 1, 1, 1); }, 129},
          {[](VarandaApi& a) { return a.DefinirConfiguracoesFuncoes(10, 4, 0, 0, 0, 0); }, 128},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(10, 1); }, 128},
          {[](VarandaApi& a) { return a.HabilitarScoreFuncoes(255, 0); }, 128}},
         {{3, 0x16}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Step& step : c.steps) EXPECT_EQ(step.code, step.call(api()));
        std::vector<uint8_t> expected(10, 0);
        for (const auto& [offset, value] : c.block) expected[offset] = value;
        EXPECT_EQ(expected, send_block());
    }
    auto call = tcp_.calls("Envia_Dados").back();
    EXPECT_EQ(4, call.ints[0]);
    EXPECT_EQ(128, call.ints[1]);
    EXPECT_EQ(10, call.ints[2]);
}

}  // namespace
