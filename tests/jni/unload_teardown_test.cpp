// An unload of the SDK tears its facade down: the component that the
// connection type created is released. (A process that ends with the SDK
// still loaded skips the teardown; exit_with_sdk_loaded checks that it ends
// cleanly.)
#include "sdk_test.h"

namespace {

class UnloadTeardown : public testsupport::SdkTest {};

TEST_F(UnloadTeardown, UnloadReleasesTheComComponent) {
    ASSERT_EQ(0, api().DefinirTipoConexao(2));
    ASSERT_EQ(1, tcp_com_.live_objects());
    sdk_.unload();
    EXPECT_EQ(0, tcp_com_.live_objects());
    ASSERT_TRUE(sdk_.load());
}

}  // namespace
