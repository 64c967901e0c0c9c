// The fingerprint and Ossel modules: requests, answers offline and online,
// user lists, records, templates and lists of users without fingerprint.
#include <algorithm>
#include <vector>

#include "bank_test.h"

namespace corvo::sim {
namespace {

class Modules : public BankTest {
protected:
    // A bio request: the sub-command and bytes 1..16.
    Status bio(uint8_t sub, const std::string& field = "", uint8_t byte1 = 0) {
        Bytes r(17, 0);
        r[0] = sub;
        r[1] = byte1;
        std::copy(field.begin(), field.end(), r.begin() + (byte1 != 0 ? 2 : 1));
        return send(1, 120, r);
    }
    // The next offline answer (0xEE bytes when there is none).
    Bytes answer() { return receive(1, 220, 17).value_or(Bytes(17, 0xEE)); }
    // A request taken, and the status its answer begins with.
    uint8_t status_of(uint8_t sub, const std::string& field, uint8_t byte1 = 0) {
        EXPECT_EQ(Status::Accepted, bio(sub, field, byte1)) << int(sub);
        return answer()[0];
    }
    // The first n bytes of the next answer.
    Bytes answer_head(std::size_t n) { return part(receive(1, 220, 17), 0, n); }
    std::vector<std::string> bio_users() {
        std::vector<std::string> ids;
        for (const auto& [id, user] : bank_.terminal(1).bio.users) ids.push_back(id);
        return ids;
    }
};

TEST_F(Modules, BioQueriesOffline) {
    sim("bio-user 1 7");
    sim("bio-user 1 300 2");
    struct Case {
        uint8_t sub;
        Bytes head;  // expected first answer bytes
    } cases[] = {{1, {1, 3}}, {2, {1, 0x02, 0x15}}, {3, {1, 0, 2}}, {99, {0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.sub));
        ASSERT_EQ(Status::Accepted, bio(c.sub));
        EXPECT_EQ(c.head, answer_head(c.head.size()));
    }
    EXPECT_FALSE(receive(1, 220, 17));  // each answer is handed out once
}

TEST_F(Modules, BioUserLifecycle) {
    // Enrol at the reader (standard form, option 1), then fetch and delete.
    EXPECT_EQ(1, status_of(23, "0000000042", 1));
    EXPECT_EQ((std::vector<std::string>{"42"}), bio_users());
    ASSERT_EQ(Status::Accepted, bio(20, "00000042"));  // light form
    EXPECT_EQ((Bytes{1, 0x01, 0xD8}), answer_head(3));
    const auto record = receive(1, 231, 472);
    EXPECT_EQ((Bytes{0xC3}), part(record, 0, 1));
    EXPECT_EQ((Bytes{1, 1, 1, 1, 1, 1, 1, 0x43}), part(record, 5, 8));  // "42" + 1
    EXPECT_FALSE(receive(1, 231, 876));
    EXPECT_TRUE(receive(1, 221, 844));
    EXPECT_EQ(1, status_of(30, "0000000042"));
    EXPECT_EQ(1, status_of(21, "0000000042"));
    EXPECT_EQ(4, status_of(21, "0000000042"));  // gone
    EXPECT_EQ(5, status_of(30, "0000000042"));
    EXPECT_TRUE(bio_users().empty());
}

TEST_F(Modules, FingerprintRecordsAndComparison) {
    Bytes record(876, 0);
    record[0] = 0xC3;
    const Bytes id = {1, 1, 1, 1, 1, 0x02, 0x24, 0x46};  // "12345"
    std::copy(id.begin(), id.end(), record.begin() + 5);
    for (std::size_t i = 68; i < 876; ++i) record[i] = static_cast<uint8_t>(i);
    EXPECT_EQ(Status::Accepted, send(1, 131, record));
    EXPECT_NE(Status::Accepted, send(1, 131, Bytes(500, 0)));
    EXPECT_EQ((std::vector<std::string>{"12345"}), bio_users());
    EXPECT_EQ(2u, bank_.terminal(1).bio.users.at("12345").templates.size());
    // Comparing the first template matches; another does not.
    EXPECT_EQ(Status::Accepted, send(1, 123, Bytes(record.begin() + 68, record.begin() + 472)));
    EXPECT_EQ(1, answer()[0]);
    EXPECT_EQ(Status::Accepted, send(1, 123, Bytes(404, 9)));
    EXPECT_EQ(5, answer()[0]);
    // A user record of 844 bytes names its user in bytes 0..15.
    const std::string name = "0000000000000077";
    const Bytes user = block(844, 0, Bytes(name.begin(), name.end()));
    EXPECT_EQ(Status::Accepted, send(1, 121, user));
    EXPECT_EQ(1, answer()[0]);
    EXPECT_EQ(1, status_of(20, "0000000077"));
    EXPECT_EQ(user, receive(1, 221, 844).value_or(Bytes{}));
}

TEST_F(Modules, PagedUserLists) {
    for (int u = 1; u <= 3; ++u) sim("bio-user 1 " + std::to_string(u * 11));
    struct Case {
        uint8_t sub;
        std::size_t record;
    } cases[] = {{10, 16}, {11, 11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.sub));
        ASSERT_EQ(Status::Accepted, bio(c.sub, "", 0));
        const std::size_t size = 4 + 3 * c.record;
        EXPECT_EQ((Bytes{1, 0, 0, static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size)}), answer_head(5));
        const auto package = receive(1, 222, static_cast<uint32_t>(size));
        EXPECT_EQ((Bytes{0, 3, 0, static_cast<uint8_t>(c.record)}), part(package, 0, 4));
        const std::string first = "0000000000000011";
        if (c.sub == 10) {
            EXPECT_EQ(Bytes(first.begin(), first.end()), part(package, 4, 16));
        }
        EXPECT_FALSE(receive(1, 222, static_cast<uint32_t>(size + 1)));
    }
    sim("reset");
    ASSERT_EQ(Status::Accepted, bio(10));
    EXPECT_EQ((Bytes{1, 0, 0, 0, 0}), answer_head(5));  // an empty list: no package
}

TEST_F(Modules, NoFingerprintListsInEveryForm) {
    Bytes l250(1251, 0xFF);
    l250[0] = 2;
    const Bytes e1 = {0, 0, 1, 0x23, 0x45}, e2 = {0, 0, 0, 0, 7};
    std::copy(e1.begin(), e1.end(), l250.begin() + 1);
    std::copy(e2.begin(), e2.end(), l250.begin() + 6);
    Bytes l500(2502, 0xFF);
    l500[0] = 0x2C;
    l500[1] = 1;
    for (int i = 0; i < 300; ++i) std::copy(e2.begin(), e2.end(), l500.begin() + 2 + 5 * i);
    Bytes fixed = {0xFA, 0x02, 0, 0, 0, 0, 0, 0x01, 0x23, 0x45};
    Bytes by_length = {0x00, 0x0A, 0, 0, 0, 0, 0, 0, 0, 0x07};
    struct Case {
        uint8_t code;
        Bytes payload;
        const char* form;
        std::size_t count;
        const char* first;
    } cases[] = {
        {124, l250, "250", 2, "12345"},
        {129, l500, "500", 300, "7"},
        {129, fixed, "8000", 1, "12345"},
        {129, by_length, "8000-length", 1, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        EXPECT_EQ(Status::Accepted, send(1, c.code, c.payload));
        const BioModule& m = bank_.terminal(1).bio;
        EXPECT_EQ(c.form, m.no_fingerprint_form);
        ASSERT_EQ(c.count, m.no_fingerprint.size());
        EXPECT_EQ(c.first, m.no_fingerprint[0]);
    }
    EXPECT_NE(Status::Accepted, send(1, 129, Bytes(13, 0)));
}

TEST_F(Modules, BioAnswersComeAsEventsWhileOnline) {
    sim("online 1 1");
    ASSERT_EQ(Status::Accepted, bio(1));
    EXPECT_FALSE(receive(1, 220, 17));
    EXPECT_EQ((Bytes{13, 1, 1, 3}), part(receive(1, 207, 22), 0, 4));
    ASSERT_EQ(Status::Accepted, send(1, 133, Bytes(16, 2)));
    EXPECT_EQ(Bytes(16, 2), bank_.terminal(1).bio.settings);
    ASSERT_EQ(Status::Accepted, bio(60, "", 1));
    ASSERT_EQ(Status::Accepted, bio(33));
    EXPECT_TRUE(receive(1, 223, 404));
}

// --- Ossel -------------------------------------------------------------------

Bytes ossel_record(uint8_t id_hi, uint8_t id_lo_f, uint8_t pin) {
    Bytes r(451, 0);
    std::fill(r.begin() + 2, r.begin() + 20, 0xFF);
    r[2] = id_hi;
    r[3] = id_lo_f;
    r[11] = pin;
    r[12] = 0xFF;
    for (int i = 20; i < 240; ++i) r[static_cast<std::size_t>(i)] = static_cast<uint8_t>(i + id_hi);
    return r;
}

TEST_F(Modules, OsselUsers) {
    auto result_of = [&](uint8_t code, const Bytes& payload) {
        EXPECT_EQ(Status::Accepted, send(1, code, payload)) << int(code);
        return receive(1, 240, 1).value_or(Bytes{0xEE})[0];
    };
    const Bytes user = ossel_record(0x12, 0x3F, 0x55);  // "123", PIN "55"
    EXPECT_EQ(0, result_of(172, user));
    EXPECT_EQ(0, result_of(173, {0}));
    EXPECT_EQ((Bytes{0x12, 0x3F}), part(receive(1, 244, 11), 2, 2));
    EXPECT_EQ(user, receive(1, 242, 451).value_or(Bytes{}));
    EXPECT_EQ((Bytes{0, 1}), receive(1, 241, 2).value_or(Bytes{}));
    EXPECT_EQ(1, result_of(174, {2}));  // past the last user
    EXPECT_NE(Status::Accepted, send(1, 174, {1}));
    EXPECT_EQ(0, result_of(175, {0, 3, 0x12, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    // PIN and template comparisons answer as online events of origin 1.
    ASSERT_EQ(Status::Accepted, send(1, 178, {2, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    ASSERT_EQ(Status::Accepted, send(1, 178, {2, 0x56, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    ASSERT_EQ(Status::Accepted, send(1, 170, Bytes(user.begin() + 20, user.begin() + 240)));
    for (uint8_t code : {2, 3, 2}) EXPECT_EQ((Bytes{1, code}), part(receive(1, 207, 22), 0, 2));
    // Enrolment at the reader gives a new user and its template.
    ASSERT_EQ(Status::Accepted, send(1, 171, {1}));
    EXPECT_EQ(1, receive(1, 207, 22).value_or(Bytes{0, 0})[0]);
    EXPECT_TRUE(receive(1, 243, 220));
    EXPECT_EQ((Bytes{0, 2}), receive(1, 241, 2).value_or(Bytes{}));
    const Bytes removal = {3, 0x12, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(0, result_of(176, removal));
    EXPECT_EQ(1, result_of(176, removal));
    ASSERT_EQ(Status::Accepted, send(1, 179, {20}));
    ASSERT_EQ(Status::Accepted, send(1, 177, block(11, 0, {4, 'a', 'b', 'c', 'd'})));
    const OsselModule& o = bank_.terminal(1).ossel;
    EXPECT_EQ(20, o.network);
    EXPECT_EQ("abcd", o.erase_text);
    EXPECT_TRUE(o.users.empty());
    EXPECT_FALSE(receive(1, 242, 451));
}

}  // namespace
}  // namespace corvo::sim
