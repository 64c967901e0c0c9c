// The SDK loaded as a host loads it, against corvo-sim, for the end-to-end
// suites; every operation is resolved before a test starts.
#pragma once
#include "sdk.h"
#include "sim_test.h"

namespace e2e {

class SdkTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        ASSERT_TRUE(sdk_.load()) << hostkit::sdk_path();
    }
    void TearDown() override {
        if (api_.FecharPortaComunicacao) api_.FecharPortaComunicacao();
        sdk_.unload();
    }
    // Connection type 1 on the emulator's port.
    void open() {
        ASSERT_EQ(0, api_.DefinirTipoConexao(1));
        ASSERT_EQ(0, api_.AbrirPortaComunicacao(port_));
    }
    hostkit::Sdk sdk_;
    VarandaApi& api_ = sdk_.api;
};

}  // namespace e2e
