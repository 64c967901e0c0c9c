// The SDK loaded as a host loads it, against corvo-sim, for the end-to-end
// suites; every operation is resolved before a test starts.
#pragma once
#include "api_table.h"
#include "loader.h"
#include "sim_test.h"

namespace e2e {

class SdkTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
#if defined(_WIN32)
        const std::string path = testsupport::env_or("VARANDA_SDK", "Varanda.dll");
#else
        const std::string path = testsupport::env_or("VARANDA_SDK", "libvaranda.so");
#endif
        ASSERT_TRUE(lib_.open(path)) << path;
        ASSERT_TRUE(api_.resolve([this](const char* n) { return lib_.symbol(n); }));
    }
    void TearDown() override {
        if (api_.FecharPortaComunicacao) api_.FecharPortaComunicacao();
        api_ = VarandaApi{};
        lib_.close();
    }
    // Connection type 1 on the emulator's port.
    void open() {
        ASSERT_EQ(0, api_.DefinirTipoConexao(1));
        ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    }
    testsupport::Library lib_;
    VarandaApi api_;
};

}  // namespace e2e
