// The fixture of the tests that drive the SDK through its exports: each test
// loads the library afresh (so the facade starts from its defaults), with
// every fake back end reset.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "api_table.h"
#include "fake_backend.h"
#include "loader.h"

namespace testsupport {

// Where the SDK is: $VARANDA_SDK, else the platform's file name.
std::string sdk_path();

class Sdk {
public:
    bool load();
    void unload();
    bool loaded() const { return lib_.is_open(); }
    VarandaApi api;
    void* symbol(const char* name) const { return lib_.symbol(name); }

private:
    Library lib_;
};

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

    Sdk sdk_;
    FakeBackend serial_{kSerialLib};
    FakeBackend tcp_{kTcpLib};
    FakeBackend tcp_com_{kTcpComLib};
    FakeBackend serial_com_{kSerialComLib};
};

}  // namespace testsupport
