// Reading the fingerprint module's answers: offline (command 220) with the
// status table, online (command 207 events, origin 13) with other events in
// the stream, and the events held for the host meanwhile.
#include <cstring>

#include "bio_test_support.h"
#include "sdk_test.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::card_event;
using biotest::event;

class BioAnswer : public testsupport::SdkTest {
protected:
    // The command and length of every receive, in order.
    std::vector<std::pair<int32_t, int32_t>> receives() const {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (const auto& c : tcp_.calls("Recebe_Dados")) out.push_back({c.ints[1], c.ints[2]});
        return out;
    }
};

TEST_F(BioAnswer, OfflineStatusesMapToCodes) {
    open_tcp_lib();
    struct Case {
        uint8_t status;
        uint8_t code;
    } cases[] = {{1, 0},     {2, 129},   {7, 129},   {253, 129}, {254, 129}, {3, 130}, {4, 131},
                 {5, 132},   {6, 133},   {9, 137},   {14, 134},  {22, 136},  {251, 135}, {252, 135},
                 {0, 128},   {8, 128},   {10, 128},  {21, 128},  {23, 128},  {250, 128}, {255, 128}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.status));
        tcp_.reset();
        tcp_.queue_answer(answer(c.status));
        EXPECT_EQ(c.code, api().UsuarioFoiExcluido(3, 0));
        ASSERT_EQ(1u, receives().size());
        EXPECT_EQ(std::make_pair(220, 17), receives()[0]);
        EXPECT_EQ(3, tcp_.calls("Recebe_Dados")[0].ints[0]);
    }
}

TEST_F(BioAnswer, OfflineMissingAnswerIs128) {
    open_tcp_lib();
    EXPECT_EQ(128, api().UsuarioFoiExcluido(3, 0));  // nothing answered
    tcp_.queue_answer(21, answer(1));
    EXPECT_EQ(128, api().ResultadoConfiguracaoBio(3, 0));
}

TEST_F(BioAnswer, OnlineReadsEventsUntilTheAwaitedAnswer) {
    open_tcp_lib();
    const Bytes ok30 = event(13, 30, {1});
    struct Case {
        const char* what;
        std::vector<Bytes> stream;  // events answered in order; none after them
        uint8_t code;
        size_t reads;
    } cases[] = {
        {"answer first", {ok30}, 0, 1},
        {"card event first", {card_event({1, 2, 3}), ok30}, 0, 2},
        {"answer to another sub-command first", {event(13, 31, {1}), ok30}, 0, 2},
        {"module error, then success", {event(13, 30, {2}), ok30}, 0, 2},
        {"module error, then nothing", {event(13, 30, {3})}, 1, 7},
        {"errors only", std::vector<Bytes>(7, event(13, 30, {4})), 131, 7},
        {"other events only", std::vector<Bytes>(9, event(13, 0, {1})), 1, 7},
        {"nothing", {}, 1, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sdk_.unload();  // a fresh facade: nothing held from the case before
        ASSERT_TRUE(sdk_.load());
        open_tcp_lib();
        for (const Bytes& e : c.stream) tcp_.queue_answer(e);
        EXPECT_EQ(c.code, api().ResultadoVerificacaoBiometrica(3, 1));
        auto r = receives();
        ASSERT_EQ(c.reads, r.size());
        for (auto& x : r) EXPECT_EQ(std::make_pair(207, 22), x);
    }
}

TEST_F(BioAnswer, OnlineAnswerDataComesFromEventBytesTwoToEighteen) {
    open_tcp_lib();
    Bytes from2 = {1};
    for (uint8_t i = 0; i < 16; ++i) from2.push_back(static_cast<uint8_t>(0xA0 + i));
    tcp_.queue_answer(event(13, 31, from2));
    uint8_t result[17];
    std::memset(result, 0x55, sizeof result);
    ASSERT_EQ(0, api().ResultadoIdentificacaoBiometrica(3, 1, result));
    for (int i = 0; i < 16; ++i) EXPECT_EQ(0xA0 + i, result[i]) << i;
    EXPECT_EQ(0x55, result[16]);  // nothing past the 16 bytes
}

TEST_F(BioAnswer, AnswersOfSubCommandZeroNeedComplementZero) {
    open_tcp_lib();
    tcp_.queue_answer(event(13, 23, {1}));
    tcp_.queue_answer(event(13, 0, {1}));
    EXPECT_EQ(0, api().ResultadoInsercaoUsuarioLeitorBio(3, 1));
    EXPECT_EQ(2u, receives().size());
}

// Events read while an answer was awaited are kept for the terminal and
// handed to whoever asks for them next; the awaited kind is taken from them
// without a read.
TEST_F(BioAnswer, EventsReadMeanwhileAreKeptForTheirReader) {
    open_tcp_lib();
    tcp_.queue_answer(event(1, 7));           // an Ossel result
    tcp_.queue_answer(event(13, 30, {1}));    // the awaited bio answer
    ASSERT_EQ(0, api().ResultadoVerificacaoBiometrica(3, 1));
    tcp_.reset();
    EXPECT_EQ(0, api().ResultadoComparacaoPINOssel(3));  // code 7 gives 0
    EXPECT_TRUE(receives().empty());
    EXPECT_EQ(1, api().ResultadoComparacaoPINOssel(3));  // nothing held any more, nothing answered
    EXPECT_EQ(1u, receives().size());

    // The other way round, and only for the terminal that sent it.
    tcp_.reset();
    tcp_.queue_answer(event(13, 60, {1}));
    EXPECT_EQ(1, api().ResultadoComparacaoTemplateOssel(5));
    tcp_.reset();
    EXPECT_EQ(128, api().ResultadoConfiguracaoBio(3, 0));  // offline mode does not look at events
    tcp_.reset();
    EXPECT_EQ(1, api().ResultadoConfiguracaoBio(4, 1));    // terminal 4 has nothing held
    EXPECT_EQ(7u, receives().size());
    tcp_.reset();
    EXPECT_EQ(0, api().ResultadoConfiguracaoBio(5, 1));
    EXPECT_TRUE(receives().empty());
}

using ReceberDadosOnLineFn = uint8_t(VARANDA_CALL*)(int32_t, uint8_t*, uint8_t*, uint8_t*, uint8_t*, uint8_t*,
                                                      uint8_t*, uint8_t*, uint8_t*, uint8_t*);

// A card event read during a bio wait reaches the host's next online read,
// before anything new from the terminal.
TEST_F(BioAnswer, CardEventReadDuringABioWaitReachesTheNextOnlineRead) {
    auto read = reinterpret_cast<ReceberDadosOnLineFn>(sdk_.symbol("ReceberDadosOnLine"));
    if (read == nullptr) GTEST_SKIP() << "the online event read is not in this build";
    open_tcp_lib();
    tcp_.queue_answer(card_event({1, 2, 3, 4}));
    tcp_.queue_answer(card_event({5, 6}));
    tcp_.queue_answer(event(13, 30, {1}));
    ASSERT_EQ(0, api().ResultadoVerificacaoBiometrica(3, 1));
    tcp_.reset();
    tcp_.queue_answer(card_event({9}));
    uint8_t origin = 0, complement = 0, card[16] = {}, dt[6] = {};
    const char* expected[] = {"1234", "56", "9"};
    for (const char* digits : expected) {
        SCOPED_TRACE(digits);
        ASSERT_EQ(0, read(3, &origin, &complement, card, &dt[0], &dt[1], &dt[2], &dt[3], &dt[4], &dt[5]));
        EXPECT_EQ(2, origin);
        EXPECT_EQ(std::string(digits), std::string(reinterpret_cast<char*>(card), strnlen(reinterpret_cast<char*>(card), 16)));
        EXPECT_EQ(7, dt[0]);
    }
    EXPECT_EQ(1u, receives().size());  // only the third came from the terminal
}

}  // namespace
