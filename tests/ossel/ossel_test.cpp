// The Ossel module: the requests on the wire, the argument checks, the two
// forms of the module's verdict, and fetching users.
#include <cstring>
#include <functional>

#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;

class Ossel : public testsupport::SdkTest {
protected:
    static Bytes result_event(uint8_t kind, uint8_t code) {
        Bytes e(22, 0);
        e[0] = kind;
        e[1] = code;
        return e;
    }
};

TEST_F(Ossel, RequestsOnTheWire) {
    open_tcp_lib();
    Bytes record(451), tmpl(220);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(~i);
    const Bytes ff6 = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        int32_t command;
        Bytes payload;
    } cases[] = {
        {"add user", [&] { return api().IncluirUsuarioOssel(4, record.data()); }, 172, record},
        {"compare template", [&] { return api().CompararTemplateOssel(4, tmpl.data()); }, 170, tmpl},
        {"enrol at the reader", [&] { return api().CriarUsuarioLeitorOssel(4); }, 171, {1}},
        {"first user, mode 2", [&] { return api().LocalizarPrimeiroUsuarioOssel(4, 2); }, 173, {2}},
        {"next user, mode 0", [&] { return api().LocalizarProximoUsuarioOssel(4, 0); }, 174, {0}},
        {"total, mode 2", [&] { return api().SolicitarTotalUsuariosOssel(4, 2); }, 173, {2}},
        {"find 12345", [&] { return api().LocalizarUsuarioOssel(4, 2, 9, "12345"); }, 175,
         {2, 9, 0x12, 0x34, 0x5F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"find 18 digits", [&] { return api().LocalizarUsuarioOssel(4, 0, 16, "123456789012345678"); }, 175,
         {0, 16, 0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}},
        {"delete 42", [&] { return api().ApagarUsuarioOssel(4, "42"); }, 176, {2, 0x42, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"delete 1a3", [&] { return api().ApagarUsuarioOssel(4, "1a3"); }, 176, {3, 0x10, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"delete all, 12 characters", [&] { return api().ApagarTodosUsuariosOssel(4, "ABCDEFGHIJKL"); }, 177,
         {10, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J'}},
        {"delete all, 3 characters", [&] { return api().ApagarTodosUsuariosOssel(4, "xyz"); }, 177,
         {3, 'x', 'y', 'z', 0, 0, 0, 0, 0, 0, 0}},
        {"delete all, empty text", [&] { return api().ApagarTodosUsuariosOssel(4, ""); }, 177, Bytes(11, 0)},
        {"PIN 1234", [&] { return api().CompararPINOssel(4, "1234"); }, 178, {4, 0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"network 1,0,1", [&] { return api().ConfigurarRedeOssel(4, 1, 0, 1); }, 179, {20}},
        {"network 9,9,0", [&] { return api().ConfigurarRedeOssel(4, 9, 9, 0); }, 179, {12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tcp_.reset();
        ASSERT_EQ(0, c.call());
        auto s = sent();
        ASSERT_EQ(1u, s.size());
        EXPECT_EQ(4, s[0].terminal);
        EXPECT_EQ(c.command, s[0].command);
        EXPECT_EQ(c.payload, s[0].data);
    }
}

// The modes and lengths out of range (the null pointers are the export sweep's).
TEST_F(Ossel, BadArgumentsSendNothing) {
    open_tcp_lib();
    uint8_t value = 0, record[451], id[17];
    struct Case {
        const char* what;
        std::function<uint8_t()> call;
        uint8_t code;
    } cases[] = {
        {"first user, mode 1", [&] { return api().LocalizarPrimeiroUsuarioOssel(4, 1); }, 128},
        {"next user, mode 3", [&] { return api().LocalizarProximoUsuarioOssel(4, 3); }, 128},
        {"total, mode 255", [&] { return api().SolicitarTotalUsuariosOssel(4, 255); }, 128},
        {"find, mode 1", [&] { return api().LocalizarUsuarioOssel(4, 1, 5, "12345"); }, 129},
        {"find, length 0", [&] { return api().LocalizarUsuarioOssel(4, 0, 0, "1"); }, 130},
        {"find, length 17", [&] { return api().LocalizarUsuarioOssel(4, 0, 17, "1"); }, 130},
        {"PIN, empty", [&] { return api().CompararPINOssel(4, ""); }, 128},
        {"fetch, mode 1", [&] { return api().ReceberUsuarioOssel(4, 1, &value, record, reinterpret_cast<char*>(id)); }, 128},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.code, c.call());
    }
    EXPECT_TRUE(tcp_.calls().empty());
}

TEST_F(Ossel, OfflineVerdicts) {
    open_tcp_lib();
    struct Case {
        uint8_t result;
        uint8_t code;
    } cases[] = {{0, 0}, {1, 128}, {2, 129}, {3, 130}, {4, 131}, {5, 132}, {6, 133}, {7, 128}, {255, 128}};
    std::function<uint8_t()> readers[] = {
        [&] { return api().ResultadoInclusaoUsuarioOssel(4); },
        [&] { return api().ResultadoExclusaoUsuarioOssel(4); },
        [&] { return api().ResultadoExclusaoTodosUsuariosOssel(4); },
        [&] { return api().ResultadoConfiguracaoRedeOssel(4); },
    };
    for (auto& read : readers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(int(c.result));
            tcp_.reset();
            tcp_.queue_answer({c.result});
            EXPECT_EQ(c.code, read());
            auto r = tcp_.calls("Recebe_Dados");
            ASSERT_EQ(1u, r.size());
            EXPECT_EQ(240, r[0].ints[1]);
            EXPECT_EQ(1, r[0].ints[2]);
        }
        tcp_.reset();
        EXPECT_EQ(1, read());  // no answer: the exchange's code
    }
}

TEST_F(Ossel, OnlineVerdicts) {
    open_tcp_lib();
    struct Case {
        Bytes event;
        uint8_t code;
    } cases[] = {
        {result_event(1, 2), 0},   {result_event(1, 7), 0},   {result_event(1, 3), 130},
        {result_event(1, 4), 134}, {result_event(1, 0), 128}, {result_event(1, 1), 128},
        {result_event(1, 5), 128}, {result_event(2, 2), 1},   {result_event(13, 7), 1},
    };
    std::function<uint8_t()> readers[] = {
        [&] { return api().ResultadoComparacaoTemplateOssel(4); },
        [&] { return api().ResultadoComparacaoPINOssel(4); },
    };
    for (auto& read : readers) {
        for (const Case& c : cases) {
            SCOPED_TRACE(int(c.event[0]) * 256 + c.event[1]);
            sdk_.unload();  // nothing held from the case before
            ASSERT_TRUE(sdk_.load());
            open_tcp_lib();
            tcp_.queue_answer(c.event);
            EXPECT_EQ(c.code, read());
            auto r = tcp_.calls("Recebe_Dados");
            ASSERT_EQ(1u, r.size());
            EXPECT_EQ(207, r[0].ints[1]);
            EXPECT_EQ(22, r[0].ints[2]);
        }
    }
}

TEST_F(Ossel, EnrolmentAtTheReaderReceivesTheTemplateOnSuccess) {
    open_tcp_lib();
    Bytes tmpl(220);
    for (size_t i = 0; i < tmpl.size(); ++i) tmpl[i] = static_cast<uint8_t>(i + 9);
    uint8_t out[221];
    std::memset(out, 0x44, sizeof out);
    tcp_.queue_answer(result_event(1, 3));
    EXPECT_EQ(130, api().ResultadoInclusaoUsuarioLeitorOssel(4, out));
    EXPECT_EQ(1u, tcp_.calls("Recebe_Dados").size());
    EXPECT_EQ(0x44, out[0]);

    tcp_.reset();
    tcp_.queue_answer(result_event(1, 2));
    tcp_.queue_answer(21, tmpl);
    EXPECT_EQ(1, api().ResultadoInclusaoUsuarioLeitorOssel(4, out));
    EXPECT_EQ(0x44, out[0]);

    tcp_.reset();
    tcp_.queue_answer(result_event(1, 2));
    tcp_.queue_answer(tmpl);
    EXPECT_EQ(0, api().ResultadoInclusaoUsuarioLeitorOssel(4, out));
    auto r = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(2u, r.size());
    EXPECT_EQ(243, r[1].ints[1]);
    EXPECT_EQ(220, r[1].ints[2]);
    EXPECT_EQ(0, std::memcmp(out, tmpl.data(), 220));
    EXPECT_EQ(0x44, out[220]);
}

TEST_F(Ossel, FetchingAUserInBothModes) {
    open_tcp_lib();
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
    auto r = tcp_.calls("Recebe_Dados");
    ASSERT_EQ(2u, r.size());
    EXPECT_EQ(240, r[0].ints[1]);
    EXPECT_EQ(244, r[1].ints[1]);
    EXPECT_EQ(11, r[1].ints[2]);

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
    EXPECT_EQ(0, std::memcmp(record, rec.data(), 451));
    EXPECT_EQ(0x66, record[451]);
    EXPECT_EQ(std::string("9876543210101112"), std::string(id, 16));  // 16 characters at most
    EXPECT_EQ(0, id[16]);

    // A refused verdict reads nothing further.
    tcp_.reset();
    tcp_.queue_answer({3});
    EXPECT_EQ(130, api().ReceberUsuarioOssel(4, 2, &value, record, id));
    EXPECT_EQ(1u, tcp_.calls("Recebe_Dados").size());
}

TEST_F(Ossel, UserCount) {
    open_tcp_lib();
    int32_t count = -1;
    tcp_.queue_answer({0x01, 0x2C});
    EXPECT_EQ(0, api().ReceberTotalUsuariosOssel(4, &count));
    EXPECT_EQ(300, count);
    auto r = tcp_.calls("Recebe_Dados");
    EXPECT_EQ(241, r[0].ints[1]);
    EXPECT_EQ(2, r[0].ints[2]);
    count = -1;
    EXPECT_EQ(1, api().ReceberTotalUsuariosOssel(4, &count));
    EXPECT_EQ(0, count);
}

}  // namespace
