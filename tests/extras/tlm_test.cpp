// The TLM block: building it from key files made here, sending it, and the
// caller's own block.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "extras/tlm_buffer.h"
#include "sdk_test.h"

namespace {

using Bytes = std::vector<uint8_t>;
using varanda::TlmBuffer;

// A key file of `size` bytes whose clear characters at positions 84, 86, ...,
// 102 are `digits` and at 104 and 106 are `hex`; the rest is filler.
Bytes key_file(const std::string& digits, const std::string& hex, size_t size = 109) {
    Bytes clear(std::max<size_t>(size, 109), '#');
    for (size_t i = 0; i < digits.size(); ++i) clear[84 + 2 * i] = static_cast<uint8_t>(digits[i]);
    clear[104] = static_cast<uint8_t>(hex[0]);
    clear[106] = static_cast<uint8_t>(hex[1]);
    for (size_t i = 1; i <= 108; ++i) clear[i] ^= TlmBuffer::kMask;
    clear.resize(size);
    return clear;
}

Bytes block(const Bytes& values12) {
    Bytes b = values12;
    b.insert(b.end(), TlmBuffer::kTrailer.begin(), TlmBuffer::kTrailer.end());
    return b;
}

class Tlm : public testsupport::SdkTest {
protected:
    void TearDown() override {
        for (const auto& p : files_) std::filesystem::remove(p);
        testsupport::SdkTest::TearDown();
    }
    std::string write(const Bytes& bytes) {
        auto path = std::filesystem::temp_directory_path() /
                    ("varanda_tlm_" + std::to_string(files_.size()) + "_" + std::to_string(reinterpret_cast<uintptr_t>(this)) + ".key");
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        files_.push_back(path);
        return path.string();
    }
    // The block that EnviarBufferTLM sends now, or empty when it sends nothing.
    Bytes sent_block(uint8_t expected_code = 0) {
        tcp_.reset();
        EXPECT_EQ(expected_code, api().EnviarBufferTLM(11));
        auto s = sent();
        if (s.empty()) return {};
        EXPECT_EQ(1u, s.size());
        EXPECT_EQ(11, s[0].terminal);
        EXPECT_EQ(151, s[0].command);
        return s[0].data;
    }
    std::vector<std::filesystem::path> files_;
};

TEST_F(Tlm, KeyFilesGiveDigitsHexDigitsAndTheTrailer) {
    open_tcp_lib();
    struct Case {
        const char* what;
        std::string digits, hex;
        size_t size;
        Bytes values;  // buffer bytes 0..11
    } cases[] = {
        {"digits", "0123456789", "F0", 109, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 0}},
        {"letters read 0", "9A8b7 6:5/", "A9", 109, {9, 0, 8, 0, 7, 0, 6, 0, 5, 0, 10, 9}},
        {"lower-case hex reads 0", "1111111111", "fa", 109, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},
        {"other hex characters", "0000000000", "G-", 109, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"longer file, rest unused", "5555555555", "BC", 4000, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 11, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(0, api().PreencherBufferTLM(write(key_file(c.digits, c.hex, c.size)).c_str()));
        EXPECT_EQ(block(c.values), sent_block());
    }
}

TEST_F(Tlm, RefusedFilesLeaveTheBlockAsItWas) {
    open_tcp_lib();
    EXPECT_TRUE(sent_block(1).empty());  // nothing built yet
    const std::string missing = (std::filesystem::temp_directory_path() / "varanda_no_such.key").string();
    struct Case {
        const char* what;
        const char* path;
    };
    const std::string short_file = write(key_file("1234567890", "AB", 108));
    const std::string empty_file = write({});
    const std::string dir = std::filesystem::temp_directory_path().string();
    const Case refused[] = {{"null", nullptr}, {"missing", missing.c_str()}, {"108 bytes", short_file.c_str()},
                            {"empty", empty_file.c_str()}, {"a folder", dir.c_str()}};
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(1, api().PreencherBufferTLM(c.path));
        EXPECT_TRUE(sent_block(1).empty());
    }
    // After a good file, refusals keep its block.
    ASSERT_EQ(0, api().PreencherBufferTLM(write(key_file("9876543210", "12")).c_str()));
    const Bytes good = block({9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2});
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(1, api().PreencherBufferTLM(c.path));
        EXPECT_EQ(good, sent_block());
    }
    // The same block goes to any number of terminals; send codes pass through.
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarBufferTLM(11));
    EXPECT_EQ(good, sent_block());
    api().FecharPortaComunicacao();
    EXPECT_EQ(2, api().EnviarBufferTLM(11));
}

TEST_F(Tlm, CallersBlockIsSentAsItIs) {
    open_tcp_lib();
    Bytes mine(27);
    for (int i = 0; i < 27; ++i) mine[i] = static_cast<uint8_t>(200 + i);
    EXPECT_EQ(0, api().EnviarCriptografiaTLM(4, mine.data()));
    EXPECT_EQ(129, api().EnviarCriptografiaTLM(4, nullptr));
    auto s = sent();
    ASSERT_EQ(1u, s.size());
    EXPECT_EQ(151, s[0].command);
    EXPECT_EQ(Bytes(mine.begin(), mine.begin() + 26), s[0].data);  // 26 bytes, no more
    EXPECT_TRUE(sent_block(1).empty());  // the library's own block is untouched
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarCriptografiaTLM(4, mine.data()));
}

}  // namespace
