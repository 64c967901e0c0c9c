// The TLM block: building it from key files made here, sending it, and the
// caller's own block.
#include <filesystem>
#include <fstream>
#include <random>

#include "extras/tlm_buffer.h"
#include "../bio/bio_test_support.h"

namespace {

using Bytes = std::vector<uint8_t>;
using varanda::TlmBuffer;
namespace fs = std::filesystem;

// A key file of `size` bytes whose clear characters at 84, 86, ..., 102 are
// `digits` and at 104 and 106 `hex`.
Bytes key_file(const std::string& digits, const std::string& hex, size_t size = 109) {
    Bytes clear(std::max<size_t>(size, 109), '#');
    for (size_t i = 0; i < digits.size(); ++i) clear[84 + 2 * i] = static_cast<uint8_t>(digits[i]);
    clear[104] = static_cast<uint8_t>(hex[0]);
    clear[106] = static_cast<uint8_t>(hex[1]);
    for (size_t i = 1; i <= 108; ++i) clear[i] ^= TlmBuffer::kMask;
    clear.resize(size);
    return clear;
}

Bytes block(Bytes values) {
    values.insert(values.end(), TlmBuffer::kTrailer.begin(), TlmBuffer::kTrailer.end());
    return values;
}

class Tlm : public biotest::TcpTest {
protected:
    void TearDown() override {
        for (const auto& p : files_) fs::remove(p);
        biotest::TcpTest::TearDown();
    }
    std::string write(const Bytes& bytes) {
        files_.push_back(fs::temp_directory_path() /
                         ("varanda_tlm_" + std::to_string(tag_) + "_" + std::to_string(files_.size()) + ".key"));
        std::ofstream(files_.back(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return files_.back().string();
    }
    // What EnviarBufferTLM sends now (command 151), or empty.
    Bytes sent_block(uint8_t expected_code = 0) {
        tcp_.reset();
        EXPECT_EQ(expected_code, api().EnviarBufferTLM(11));
        auto s = sent();
        EXPECT_EQ(expected_code == 0 ? 1u : 0u, s.size());
        if (s.empty()) return {};
        EXPECT_EQ(151, s[0].command);
        return s[0].data;
    }
    std::vector<fs::path> files_;
    unsigned tag_ = std::random_device{}();  // apart from other test runs
};

// Good key files give digits, hex digits and the trailer; a refused file
// leaves the block as it was (none at first, then the last good one), sent
// again and again.
TEST_F(Tlm, KeyFilesBuildTheBlockAndRefusedOnesLeaveIt) {
    const std::string missing = (fs::temp_directory_path() / "varanda_no_such.key").string();
    const std::string short_file = write(key_file("1234567890", "AB", 108));
    const std::string empty_file = write({});
    const std::string folder = fs::temp_directory_path().string();
    const char* refused[] = {nullptr, missing.c_str(), short_file.c_str(), empty_file.c_str(), folder.c_str()};
    auto refuse_all = [&](const Bytes& kept) {
        for (const char* path : refused) {
            EXPECT_EQ(1, api().PreencherBufferTLM(path));
            EXPECT_EQ(kept, sent_block(kept.empty() ? 1 : 0));
        }
    };
    refuse_all({});  // nothing built yet
    struct Case {
        std::string digits, hex;
        size_t size;
        Bytes values;  // block bytes 0..11
    } cases[] = {
        {"0123456789", "F0", 109, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 15, 0}},
        {"9A8b7 6:5/", "A9", 109, {9, 0, 8, 0, 7, 0, 6, 0, 5, 0, 10, 9}},   // non-digits read 0
        {"1111111111", "fG", 109, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}},    // only upper-case hex
        {"5555555555", "BC", 4000, {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 11, 12}}, // the rest is unused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(0, api().PreencherBufferTLM(write(key_file(c.digits, c.hex, c.size)).c_str()));
        refuse_all(block(c.values));
    }
    tcp_.queue_result("Envia_Dados", 21);
    EXPECT_EQ(1, api().EnviarBufferTLM(11));
}

TEST_F(Tlm, CallersBlockIsSentAsItIs) {
    Bytes mine(27);
    for (int i = 0; i < 27; ++i) mine[i] = static_cast<uint8_t>(200 + i);
    EXPECT_EQ(0, api().EnviarCriptografiaTLM(4, mine.data()));
    EXPECT_EQ((biotest::Sends{{4, 151, Bytes(mine.begin(), mine.begin() + 26)}}), biotest::sends(tcp_));  // 26 bytes
    EXPECT_TRUE(sent_block(1).empty());  // the library's own block stays unbuilt
}

}  // namespace
