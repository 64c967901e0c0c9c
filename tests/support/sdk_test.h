// The fixture of the tests that drive the SDK through its exports: each test
// loads the library afresh (so the facade starts from its defaults), with
// every fake back end reset.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fake_backend.h"
#include "sdk.h"

namespace testsupport {

class SdkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    VarandaApi& api() { return sdk_.api; }
    // Chooses the TCP library (type 1) and opens port 1: the usual start of
    // a test of one operation.
    void open_tcp_lib();

    // The payloads that reached Envia_Dados of the TCP library, with their
    // terminal and command.
    struct Sent {
        int32_t terminal;
        int32_t command;
        std::vector<uint8_t> data;
    };
    std::vector<Sent> sent() const;

    hostkit::Sdk sdk_;
    FakeBackend serial_{kSerialLib};
    FakeBackend tcp_{kTcpLib};
    FakeBackend tcp_com_{kTcpComLib};
    FakeBackend serial_com_{kSerialComLib};
};

}  // namespace testsupport
