// The Ossel module: the requests on the wire, the argument checks, the two
// forms of the module's verdict, and fetching users.
#include <cstring>
#include <functional>

#include "../bio/bio_test_support.h"

namespace {

using biotest::Bytes;
using biotest::event;
using biotest::Reads;
using biotest::reads;

class Ossel : public biotest::TcpTest {};

// The modes and lengths out of range send nothing (the null pointers are the
// export sweep's).
TEST_F(Ossel, RequestsOnTheWireAndTheirRefusals) {
    Bytes record(451), tmpl(220);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(~i);
    uint8_t value = 0, out[451];
    char id[17];
    auto& a = api();
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        int32_t command;  // 0: refused with `code`, nothing sent
        Bytes payload;
        uint8_t code = 0;
    } cases[] = {
        {"add user", [&] { return a.IncluirUsuarioOssel(4, record.data()); }, 172, record},
        {"compare template", [&] { return a.CompararTemplateOssel(4, tmpl.data()); }, 170, tmpl},
        {"enrol at the reader", [&] { return a.CriarUsuarioLeitorOssel(4); }, 171, {1}},
        {"first user, mode 2", [&] { return a.LocalizarPrimeiroUsuarioOssel(4, 2); }, 173, {2}},
        {"next user, mode 0", [&] { return a.LocalizarProximoUsuarioOssel(4, 0); }, 174, {0}},
        {"total, mode 2", [&] { return a.SolicitarTotalUsuariosOssel(4, 2); }, 173, {2}},
        {"find 12345", [&] { return a.LocalizarUsuarioOssel(4, 2, 9, "12345"); }, 175,
         {2, 9, 0x12, 0x34, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"find 18 digits", [&] { return a.LocalizarUsuarioOssel(4, 0, 16, "123456789012345678"); }, 175,
         {0, 16, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}},
        {"delete 42", [&] { return a.ApagarUsuarioOssel(4, "42"); }, 176, {2, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"delete 1a3", [&] { return a.ApagarUsuarioOssel(4, "1a3"); }, 176, {3, 0x10, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"delete all, 12 characters", [&] { return a.ApagarTodosUsuariosOssel(4, "ABCDEFGHIJKL"); }, 177,
         {10, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}},
        {"delete all, 3 characters", [&] { return a.ApagarTodosUsuariosOssel(4, "xyz"); }, 177,
         {3, 'x', 'y', 'z', 0, 0, 0, 0, 0, 0, 0}},
        {"delete all, empty text", [&] { return a.ApagarTodosUsuariosOssel(4, ""); }, 177, Bytes(11, 0)},
        {"PIN 1234", [&] { return a.CompararPINOssel(4, "1234"); }, 178, {4, 0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"network 1,0,1", [&] { return a.ConfigurarRedeOssel(4, 1, 0, 1); }, 179, {20}},
        {"network 9,9,0", [&] { return a.ConfigurarRedeOssel(4, 9, 9, 0); }, 179, {12}},
        {"first user, mode 1", [&] { return a.LocalizarPrimeiroUsuarioOssel(4, 1); }, 0, {}, 128},
        {"next user, mode 3", [&] { return a.LocalizarProximoUsuarioOssel(4, 3); }, 0, {}, 128},
        {"total, mode 255", [&] { return a.SolicitarTotalUsuariosOssel(4, 255); }, 0, {}, 128},
        {"find, mode 1", [&] { return a.LocalizarUsuarioOssel(4, 1, 5, "12345"); }, 0, {}, 129},
        {"find, length 0", [&] { return a.LocalizarUsuarioOssel(4, 0, 0, "1"); }, 0, {}, 130},
        {"find, length 17", [&] { return a.LocalizarUsuarioOssel(4, 0, 17, "1"); }, 0, {}, 130},
        {"PIN, empty", [&] { return a.CompararPINOssel(4, ""); }, 0, {}, 128},
        {"fetch, mode 1", [&] { return a.ReceberUsuarioOssel(4, 1, &value, out, id); }, 0, {}, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        EXPECT_EQ(c.code, c.call());
        EXPECT_EQ((c.command ? biotest::Sends{{4, c.command, c.payload}} : biotest::Sends{}), biotest::sends(tcp_));
        EXPECT_TRUE(c.code == 0 || tcp_.calls().empty());  // a refusal reads nothing either
    }
}

TEST_F(Ossel, OfflineVerdicts) {
    const uint8_t cases[][2] = {{0, 0},   {1, 128}, {2, 129}, {3, 130},  {4, 131},
                                {5, 132}, {6, 133}, {7, 128}, {255, 128}};
    for (auto read : {api().ResultadoInclusaoUsuarioOssel, api().ResultadoExclusaoUsuarioOssel,
                      api().ResultadoExclusaoTodosUsuariosOssel, api().ResultadoConfiguracaoRedeOssel}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(int(c[0]));
            tcp_.reset();
            tcp_.queue_answer({c[0]});
            EXPECT_EQ(c[1], read(4));
            EXPECT_EQ((Reads{{4, 240, 1}}), reads(tcp_));
        }
        EXPECT_EQ(1, read(4));  // no answer: the exchange's code
    }
}

// The verdict event: origin 1, the module's code as complement.
TEST_F(Ossel, OnlineVerdicts) {
    const uint8_t cases[][3] = {{1, 2, 0},   {1, 7, 0},   {1, 3, 130}, {1, 4, 134}, {1, 0, 128},
                                {1, 1, 128}, {1, 5, 128}, {2, 2, 1},   {13, 7, 1}};
    for (auto read : {&VarandaApi::ResultadoComparacaoTemplateOssel, &VarandaApi::ResultadoComparacaoPINOssel}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(int(c[0]) * 256 + c[1]);
            fresh_facade();
            tcp_.queue_answer(event(c[0], c[1]));
            EXPECT_EQ(c[2], (api().*read)(4));
            EXPECT_EQ((Reads{{4, 207, 22}}), reads(tcp_));
        }
    }
}

TEST_F(Ossel, EnrolmentAtTheReaderReceivesTheTemplateOnSuccess) {
    Bytes tmpl(220);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(i + 9);
    struct Case {
        uint8_t verdict;
        int32_t template_result;  // 0: no template read
        uint8_t code;
    } cases[] = {{3, 0, 130}, {2, 21, 1}, {2, 40, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        tcp_.reset();
        tcp_.queue_answer(event(1, c.verdict));
        if (c.template_result) tcp_.queue_answer(c.template_result, tmpl);
        uint8_t out[221];
        std::memset(out, 0x44, sizeof out);
        EXPECT_EQ(c.code, api().ResultadoInclusaoUsuarioLeitorOssel(4, out));
        EXPECT_EQ((c.template_result ? Reads{{4, 207, 22}, {4, 243, 220}} : Reads{{4, 207, 22}}), reads(tcp_));
        EXPECT_EQ((c.code == 0 ? tmpl : Bytes(220, 0x44)), Bytes(out, out + 220));
        EXPECT_EQ(0x44, out[220]);
    }
}

TEST_F(Ossel, FetchingAUserInBothModes) {
    // Mode 0: verdict, then the summary with its value byte and identifier.
    tcp_.queue_answer({0});
    tcp_.queue_answer({0xAB, 0x5C, 0x12, 0x3F, 0xEE});
    uint8_t value = 0, record[452];
    char id[17];
    std::memset(id, 'x', sizeof id);
    std::memset(record, 0x66, sizeof record);
    ASSERT_EQ(0, api().ReceberUsuarioOssel(4, 0, &value, record, id));
    EXPECT_EQ(0x5C, value);
    EXPECT_STREQ("123", id);
    EXPECT_EQ(0x66, record[0]);
    EXPECT_EQ((Reads{{4, 240, 1}, {4, 244, 11}}), reads(tcp_));

    // Mode 2: the whole record; the identifier from its bytes 2..10.
    tcp_.reset();
    Bytes rec(451, 0);
    const Bytes packed = {0x98, 0x76, 0x54, 0x32, 0x10, 0xAB, 0xCD, 0xEF, 0xFF};
    std::copy(packed.begin(), packed.end(), rec.begin() + 2);
    rec[450] = 0x99;
    tcp_.queue_answer({0});
    tcp_.queue_answer(rec);
    value = 0x11;
    std::memset(id, 0, sizeof id);
    ASSERT_EQ(0, api().ReceberUsuarioOssel(4, 2, &value, record, id));
    EXPECT_EQ(0x11, value);  // not written in mode 2
    EXPECT_EQ(rec, Bytes(record, record + 451));
    EXPECT_EQ(0x66, record[451]);
    EXPECT_EQ(std::string("9876543210101112"), std::string(id, 16));  // 16 characters at most
    EXPECT_EQ(0, id[16]);

    // A refused verdict reads nothing further.
    tcp_.reset();
    tcp_.queue_answer({3});
    EXPECT_EQ(130, api().ReceberUsuarioOssel(4, 2, &value, record, id));
    EXPECT_EQ(1u, reads(tcp_).size());
}

TEST_F(Ossel, UserCount) {
    int32_t count = -1;
    tcp_.queue_answer({0x01, 0x2C});
    EXPECT_EQ(0, api().ReceberTotalUsuariosOssel(4, &count));
    EXPECT_EQ(300, count);
    EXPECT_EQ(1, api().ReceberTotalUsuariosOssel(4, &count));  // no answer: 0
    EXPECT_EQ(0, count);
    EXPECT_EQ(Reads(2, {4, 241, 2}), reads(tcp_));
}

}  // namespace
