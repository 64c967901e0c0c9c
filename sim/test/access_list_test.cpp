// The access list in its four forms and both card patterns.
#include <vector>

#include "bank_test.h"

namespace corvo::sim {
namespace {

class AccessListForms : public BankTest {
protected:
    // The cards terminal `t` holds, as "card/schedule".
    std::vector<std::string> cards(uint32_t t = 1) {
        std::vector<std::string> out;
        for (const AccessCard& c : bank_.terminal(t).access_list.cards)
            out.push_back(c.card + "/" + std::to_string(c.schedule));
        return out;
    }
    std::string form(uint32_t t = 1) { return bank_.terminal(t).access_list.form; }
};

// Pattern 1, digit count 14: 7 BCD bytes and the schedule.
const Bytes kCard123456 = {0, 0, 0, 0, 0x12, 0x34, 0x56, 5};
const Bytes kCard7 = {0, 0, 0, 0, 0, 0, 0x07, 102};

Bytes counted(const std::vector<Bytes>& entries) {
    Bytes b = {0, 0};
    for (const Bytes& e : entries) b.insert(b.end(), e.begin(), e.end());
    b[0] = static_cast<uint8_t>((b.size() - 2) >> 8);
    b[1] = static_cast<uint8_t>(b.size() - 2);
    return b;
}

// (Pattern 1 through the SDK: BadLine.AccessListsOfFiveThousandCardsArriveWhole.)
TEST_F(AccessListForms, CountedFormInPatternZero) {
    sim("pattern 2 0");
    EXPECT_EQ(Status::Accepted, send(2, 115, counted({{0xE8, 0xFD, 1}, {0x00, 0x00, 2}, {0x39, 0x30, 3}})));
    EXPECT_EQ((std::vector<std::string>{"65000/1", "0/2", "12345/3"}), cards(2));
    EXPECT_EQ(Status::Accepted, send(2, 115, {0, 0}));  // an empty list
    EXPECT_TRUE(cards(2).empty());
    struct Bad {
        const char* name;
        Bytes payload;
    } bad[] = {
        {"count larger than the payload", {0, 9, 1, 2, 3}},
        {"count smaller than the payload", {0, 2, 1, 2, 3}},
        {"count not a whole number of entries", {0, 4, 1, 2, 3, 4}},
        {"no count", {1}},
    };
    for (const Bad& b : bad) EXPECT_NE(Status::Accepted, send(2, 115, b.payload)) << b.name;
    EXPECT_TRUE(cards(2).empty());
}

TEST_F(AccessListForms, FullAndOldFormsEndAtTheFill) {
    Bytes full(45000, 0xFF);
    std::copy(kCard123456.begin(), kCard123456.end(), full.begin());
    std::copy(kCard7.begin(), kCard7.end(), full.begin() + 8);
    EXPECT_EQ(Status::Accepted, send(1, 110, full));
    EXPECT_EQ("full", form());
    EXPECT_EQ((std::vector<std::string>{"123456/5", "7/102"}), cards());
    EXPECT_EQ(Status::Accepted, send(1, 102, Bytes(full.begin(), full.begin() + 9000)));
    EXPECT_EQ("old", form());
    EXPECT_EQ(2u, cards().size());
    EXPECT_NE(Status::Accepted, send(1, 110, Bytes(9000, 0xFF)));
}

Bytes blocks_image(std::size_t entries) {
    Bytes image(131072, 0xFF);
    image[0] = static_cast<uint8_t>(entries >> 8);
    image[1] = static_cast<uint8_t>(entries);
    for (std::size_t i = 0; i < entries; ++i) {
        uint8_t* e = &image[2 + i * 8];
        std::fill(e, e + 7, 0);
        e[5] = static_cast<uint8_t>(((i / 1000) % 10) << 4 | (i / 100) % 10);
        e[6] = static_cast<uint8_t>(((i / 10) % 10) << 4 | i % 10);
        e[4] = 0x01;  // 10000 + i
        e[7] = 1;
    }
    return image;
}

TEST_F(AccessListForms, BlocksFormWithTheIndex) {
    const Bytes image = blocks_image(9000);  // 72,002 bytes: runs into the second block
    const Bytes b0(image.begin(), image.begin() + 65536), b1(image.begin() + 65536, image.end());
    // With the index (without it, as the TCP library sends it: Families.AccessListInTheBlocksForm).
    EXPECT_EQ(Status::Accepted, send(2, 136, b0, uint16_t{0}));
    EXPECT_EQ("none", form(2));
    EXPECT_EQ(Status::Accepted, send(2, 136, b1, uint16_t{1}));
    auto got = cards(2);
    ASSERT_EQ(9000u, got.size());
    EXPECT_EQ("10000/1", got[0]);
    EXPECT_EQ("18999/1", got[8999]);
    EXPECT_NE(Status::Accepted, send(3, 136, b1, uint16_t{1}));  // block 1 without block 0
    EXPECT_NE(Status::Accepted, send(3, 136, b1, uint16_t{2}));
}

TEST_F(AccessListForms, UnnumberedBlockAfterALostRequestIsRefused) {
    const Bytes image = blocks_image(3);
    const Bytes b1(image.begin() + 65536, image.end());
    ASSERT_EQ(Status::Accepted, send(1, 10, {}));
    ++seq_;  // a request that never arrived (block 0)
    EXPECT_NE(Status::Accepted, send(1, 136, b1));
    EXPECT_EQ("none", form());
}

}  // namespace
}  // namespace corvo::sim
