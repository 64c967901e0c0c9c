// The COM transports against the fake components: what they copy out of the
// arrays a component hands back, and how failures become Failed.
#include <gtest/gtest.h>

#include "comm/com_transports.h"
#include "fake_backend.h"

namespace {

// COM for the test program's thread (the SDK does this in its entry point).
class ComApartment : public ::testing::Environment {
    void SetUp() override { varanda::platform::com::initialize_apartment(true); }
    void TearDown() override { varanda::platform::com::uninitialize(); }
};
const auto* const kApartment = ::testing::AddGlobalTestEnvironment(new ComApartment);

using testsupport::FakeBackend;
using varanda::SerialComTransport;
using varanda::TcpComTransport;
constexpr auto kDone = varanda::TransportResult::Done;
constexpr auto kFailed = varanda::TransportResult::Failed;

class ComTransport : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(fake.present());
        fake.reset();
        serial_fake.reset();
    }
    FakeBackend fake{testsupport::kTcpComLib};
    FakeBackend serial_fake{testsupport::kSerialComLib};
};

TEST_F(ComTransport, ReceiveCopiesExactlyLengthBytes) {
    TcpComTransport t;
    ASSERT_TRUE(t.IsAvailable());

    struct Case {
        std::vector<uint8_t> answer;
        int32_t result;  // what the component's receive does (40 true, 0 false, < 0 HRESULT)
        varanda::TransportResult expect;
        std::vector<uint8_t> buffer;  // the caller's 4 bytes afterwards
    } cases[] = {
        {{1, 2, 3, 4}, 40, kDone, {1, 2, 3, 4}},
        {{1, 2, 3, 4, 5, 6}, 40, kDone, {1, 2, 3, 4}},                    // longer array: first 4 bytes
        {{1, 2}, 40, kFailed, {0xEE, 0xEE, 0xEE, 0xEE}},                  // shorter array: never read past it
        {{9, 9, 9, 9}, 0, kFailed, {0xEE, 0xEE, 0xEE, 0xEE}},             // false answer
        {{9, 9, 9, 9}, static_cast<int32_t>(0x80004005u), kFailed, {0xEE, 0xEE, 0xEE, 0xEE}},  // failing HRESULT
    };
    for (const Case& c : cases) {
        fake.queue_answer(c.result, c.answer);
        std::vector<uint8_t> buffer(4, 0xEE);
        EXPECT_EQ(c.expect, t.ReceiveData(3, buffer.data(), 204, 4, 0));
        EXPECT_EQ(c.buffer, buffer);
    }
    auto calls = fake.calls("Receive");
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ(3, calls[0].ints[0]);    // terminal
    EXPECT_EQ(204, calls[0].ints[1]);  // command
    EXPECT_EQ(4, calls[0].ints[2]);    // length
    EXPECT_EQ(4, calls[0].ints[3]);    // array of length elements
}

TEST_F(ComTransport, TcpNoReplyReceiveAcknowledgesWithSix) {
    TcpComTransport t;
    uint8_t b[2] = {};
    fake.queue_answer(40, {7, 8});
    EXPECT_EQ(kDone, t.ReceiveDataNoReply(5, b, 0x1CC, 2, 0));  // only the low byte of the command goes
    fake.queue_answer(0, {});
    EXPECT_EQ(kFailed, t.ReceiveDataNoReply(5, b, 204, 2, 0));     // no acknowledgement after a failure
    fake.queue_answer(40, {7, 8});
    fake.queue_result("SendResponse", 0);                     // a refused acknowledgement is not examined
    EXPECT_EQ(kDone, t.ReceiveDataNoReply(5, b, 204, 2, 0));
    auto acks = fake.calls("SendResponse");
    ASSERT_EQ(2u, acks.size());
    EXPECT_EQ(5, acks[0].ints[0]);
    EXPECT_EQ(6, acks[0].ints[1]);
    EXPECT_EQ(0xCC, fake.calls("ReceiveNoReply")[0].ints[1]);
}

TEST_F(ComTransport, SendCopiesThePayloadAndPassesLowBytes) {
    TcpComTransport t;
    const uint8_t payload[3] = {0x10, 0x20, 0x30};
    EXPECT_EQ(kDone, t.SendData(2, payload, 0x16E, 3, 0, 0x0102));
    EXPECT_EQ(kFailed, t.SendData(2, nullptr, 100, 3, 0, 0));  // a payload promised but missing
    auto sends = fake.calls("Send");
    ASSERT_EQ(1u, sends.size());
    EXPECT_EQ(0x6E, sends[0].ints[1]);
    EXPECT_EQ(0x02, sends[0].ints[2]);
    EXPECT_EQ((std::vector<uint8_t>{0x10, 0x20, 0x30}), sends[0].data);
}

TEST_F(ComTransport, ModemOperationsOnComVariants) {
    SerialComTransport t;
    ASSERT_TRUE(t.IsAvailable());
    EXPECT_EQ(kFailed, t.OpenModem(1, 2400));
    EXPECT_EQ(kFailed, t.SendModemString("AT"));
    EXPECT_EQ(-1, t.ReadModemByte());
    EXPECT_TRUE(serial_fake.calls().empty());  // none of these reached the component
}

TEST_F(ComTransport, FailedCreationLeavesTheTransportUnavailable) {
    fake.queue_result("Create", 0);
    TcpComTransport t;
    EXPECT_FALSE(t.IsAvailable());
    EXPECT_EQ(0, fake.live_objects());
}

}  // namespace
