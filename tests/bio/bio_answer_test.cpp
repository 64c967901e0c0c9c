// Reading the fingerprint module's answers: offline (command 220) with the
// status table, online (command 207 events, origin 13) with other events in
// the stream, and the events held for the host meanwhile.
#include <cstring>

#include "bio_test_support.h"

namespace {

using biotest::answer;
using biotest::Bytes;
using biotest::card_event;
using biotest::event;
using biotest::Reads;
using biotest::reads;

class BioAnswer : public biotest::TcpTest {};

TEST_F(BioAnswer, OfflineStatusesMapToCodes) {
    const uint8_t cases[][2] = {{1, 0},     {2, 129},   {7, 129},   {253, 129}, {254, 129}, {3, 130},   {4, 131},
                                {5, 132},   {6, 133},   {9, 137},   {14, 134},  {22, 136},  {251, 135}, {252, 135},
                                {0, 128},   {8, 128},   {10, 128},  {21, 128},  {23, 128},  {250, 128}, {255, 128}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c[0]));
        tcp_.reset();
        tcp_.queue_answer(answer(c[0]));
        EXPECT_EQ(c[1], api().UsuarioFoiExcluido(3, 0));
        EXPECT_EQ((Reads{{3, 220, 17}}), reads(tcp_));
    }
}

// Every reader of a plain verdict, offline and online: the online answer is
// the event whose complement is the sub-command the reader awaits.
TEST_F(BioAnswer, EachVerdictReaderAwaitsItsOwnAnswer) {
    using Reader = uint8_t(VARANDA_CALL*)(int32_t, uint8_t);
    struct Case {
        const char* what;
        Reader VarandaApi::*read;
        uint8_t awaited;
    } cases[] = {
        {"enrolment", &VarandaApi::ResultadoInsercaoUsuarioLeitorBio, 0},
        {"comparison", &VarandaApi::ResultadoComparacaoDigitalLeitor, 0},
        {"user sent", &VarandaApi::UsuarioFoiEnviado, 0},
        {"deletion", &VarandaApi::UsuarioFoiExcluido, 21},
        {"verification", &VarandaApi::ResultadoVerificacaoBiometrica, 30},
        {"configuration", &VarandaApi::ResultadoConfiguracaoBio, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fresh_facade();
        const Reader read = api().*c.read;
        EXPECT_EQ(128, read(3, 0));  // nothing answered
        tcp_.queue_answer(answer(1));
        EXPECT_EQ(0, read(3, 0));
        tcp_.queue_answer(answer(3));
        EXPECT_EQ(130, read(3, 0));
        tcp_.queue_answer(21, answer(1));
        EXPECT_EQ(128, read(3, 0));  // a failed receive
        EXPECT_EQ(Reads(4, {3, 220, 17}), reads(tcp_));

        tcp_.reset();
        tcp_.queue_answer(event(13, static_cast<uint8_t>(c.awaited + 1), {1}));
        tcp_.queue_answer(event(13, c.awaited, {1}));
        EXPECT_EQ(0, read(3, 1));
        EXPECT_EQ(Reads(2, {3, 207, 22}), reads(tcp_));
    }
}

TEST_F(BioAnswer, OnlineReadsEventsUntilTheAwaitedAnswer) {
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
        fresh_facade();
        for (const Bytes& e : c.stream) tcp_.queue_answer(e);
        EXPECT_EQ(c.code, api().ResultadoVerificacaoBiometrica(3, 1));
        EXPECT_EQ(Reads(c.reads, {3, 207, 22}), reads(tcp_));
    }
}

TEST_F(BioAnswer, OnlineAnswerDataComesFromEventBytesTwoToEighteen) {
    Bytes from2 = {1};
    for (uint8_t i = 0; i < 16; ++i) from2.push_back(static_cast<uint8_t>(0xA0 + i));
    tcp_.queue_answer(event(13, 31, from2));
    uint8_t result[17];
    std::memset(result, 0x55, sizeof result);
    ASSERT_EQ(0, api().ResultadoIdentificacaoBiometrica(3, 1, result));
    EXPECT_EQ(Bytes(from2.begin() + 1, from2.end()), Bytes(result, result + 16));
    EXPECT_EQ(0x55, result[16]);  // nothing past the 16 bytes
}

// Events read while an answer was awaited are kept for the terminal and
// handed to whoever asks for them next; the awaited kind is taken from them
// without a read.
TEST_F(BioAnswer, EventsReadMeanwhileAreKeptForTheirReader) {
    tcp_.queue_answer(event(1, 7));         // an Ossel result
    tcp_.queue_answer(event(13, 30, {1}));  // the awaited bio answer
    ASSERT_EQ(0, api().ResultadoVerificacaoBiometrica(3, 1));
    tcp_.reset();
    EXPECT_EQ(0, api().ResultadoComparacaoPINOssel(3));  // code 7 gives 0
    EXPECT_TRUE(reads(tcp_).empty());
    EXPECT_EQ(1, api().ResultadoComparacaoPINOssel(3));  // nothing held any more, nothing answered
    EXPECT_EQ(1u, reads(tcp_).size());

    // The other way round, and only for the terminal that sent it.
    tcp_.reset();
    tcp_.queue_answer(event(13, 60, {1}));
    EXPECT_EQ(1, api().ResultadoComparacaoTemplateOssel(5));
    tcp_.reset();
    EXPECT_EQ(128, api().ResultadoConfiguracaoBio(3, 0));  // offline mode does not look at events
    tcp_.reset();
    EXPECT_EQ(1, api().ResultadoConfiguracaoBio(4, 1));    // terminal 4 has nothing held
    EXPECT_EQ(7u, reads(tcp_).size());
    tcp_.reset();
    EXPECT_EQ(0, api().ResultadoConfiguracaoBio(5, 1));
    EXPECT_TRUE(reads(tcp_).empty());
}

// A card event read during a bio wait reaches the host's next online read,
// before anything new from the terminal.
TEST_F(BioAnswer, CardEventReadDuringABioWaitReachesTheNextOnlineRead) {
    tcp_.queue_answer(card_event({1, 2, 3, 4}));
    tcp_.queue_answer(card_event({5, 6}));
    tcp_.queue_answer(event(13, 30, {1}));
    ASSERT_EQ(0, api().ResultadoVerificacaoBiometrica(3, 1));
    tcp_.reset();
    tcp_.queue_answer(card_event({9}));
    uint8_t origin = 0, complement = 0, dt[6] = {};
    for (const char* digits : {"1234", "56", "9"}) {
        SCOPED_TRACE(digits);
        char card[17] = {};
        ASSERT_EQ(0, api().ReceberDadosOnLine(3, &origin, &complement, card, &dt[0], &dt[1], &dt[2], &dt[3], &dt[4],
                                              &dt[5]));
        EXPECT_EQ(2, origin);
        EXPECT_STREQ(digits, card);
        EXPECT_EQ(7, dt[0]);
    }
    EXPECT_EQ(1u, reads(tcp_).size());  // only the third came from the terminal
}

}  // namespace
