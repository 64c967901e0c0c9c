#include "sdk_test.h"

namespace testsupport {

void SdkTest::SetUp() {
    for (FakeBackend* f : {&serial_, &tcp_, &tcp_com_, &serial_com_}) f->reset();
    ASSERT_TRUE(sdk_.load()) << "cannot load " << hostkit::sdk_path();
}

void SdkTest::TearDown() { sdk_.unload(); }

void SdkTest::open_tcp_lib() {
    ASSERT_TRUE(tcp_.present());
    ASSERT_EQ(0, api().DefinirTipoConexao(1));
    ASSERT_EQ(0, api().AbrirPortaComunicacao(1));
    tcp_.reset();
}

std::vector<SdkTest::Sent> SdkTest::sent() const {
    std::vector<Sent> out;
    for (const FakeCall& c : tcp_.calls("Envia_Dados")) out.push_back({c.ints[0], c.ints[1], c.data});
    return out;
}

}  // namespace testsupport
