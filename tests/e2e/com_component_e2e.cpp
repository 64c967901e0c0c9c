// The COM components loaded as the SDK's POSIX COM layer loads them: class
// factory and interface rules, null pointers, and safe arrays that are
// replaced (never overrun) when their size differs from the answer's.
#include <cstring>
#include <string>
#include <vector>

#include "abi/com_interfaces.h"
#include "library.h"
#include "support/sim_test.h"

#if !defined(_WIN32)
#  include "abi/posix_safe_array.h"

namespace {

namespace pc = varanda::abi;
using namespace varanda::abi;
using namespace varanda::abi::hr;

SafeArray* array_of(uint32_t n, uint8_t fill) {
    auto* a = pc::safe_array_create_vector(n);
    if (n > 0) std::memset(a->data, fill, n);
    return reinterpret_cast<SafeArray*>(a);
}
pc::SafeArrayData* raw(SafeArray* a) { return reinterpret_cast<pc::SafeArrayData*>(a); }

class ComComponent : public e2e::SimTest {
protected:
    // The component's interface from its library, through its class factory.
    void* create(const char* lib, const Guid& clsid, const Guid& iid) {
        if (!lib_.open(lib)) return nullptr;
        get_ = reinterpret_cast<pc::DllGetClassObjectFn>(lib_.symbol("DllGetClassObject"));
        if (get_ == nullptr) return nullptr;
        void* factory = nullptr;
        if (get_(&clsid, &pc::kIidClassFactory, &factory) != 0) return nullptr;
        auto* fv = pc::vtable<pc::ClassFactoryVtbl>(factory);
        void* object = nullptr;
        fv->CreateInstance(factory, nullptr, &iid, &object);
        fv->unknown.Release(factory);
        return object;
    }
    void TearDown() override { lib_.close(); }
    hostkit::Library lib_;
    pc::DllGetClassObjectFn get_ = nullptr;
};

TEST_F(ComComponent, FactoryAndInterfaceRules) {
    void* tcp = create("libCorvoTcpCom.so", kTcpClsid, kTcpIid);
    ASSERT_NE(nullptr, tcp);
    struct Case {
        const char* name;
        const Guid* clsid;
        const Guid* iid;
        HResult result;
    } cases[] = {
        {"the serial class from the TCP library", &kSerialClsid, &pc::kIidClassFactory, kClassNotAvailable},
        {"a factory for IUnknown", &kTcpClsid, &pc::kIidUnknown, 0},
        {"the factory for the component's interface", &kTcpClsid, &kTcpIid, kNoInterface},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        void* out = reinterpret_cast<void*>(1);
        EXPECT_EQ(c.result, get_(c.clsid, c.iid, &out));
        EXPECT_EQ(c.result == 0, out != nullptr);
    }
    void* factory = nullptr;
    ASSERT_EQ(0, get_(&kTcpClsid, &pc::kIidClassFactory, &factory));
    auto* fv = pc::vtable<pc::ClassFactoryVtbl>(factory);
    void* out = nullptr;
    EXPECT_EQ(kNoAggregation, fv->CreateInstance(factory, tcp, &kTcpIid, &out));
    EXPECT_EQ(nullptr, out);
    EXPECT_EQ(kNoInterface, fv->CreateInstance(factory, nullptr, &kSerialIid, &out));
    auto* v = *static_cast<const TcpComVtbl* const*>(tcp);
    EXPECT_EQ(kNoInterface, v->dispatch.QueryInterface(tcp, &kSerialIid, &out));
    EXPECT_EQ(0, v->dispatch.QueryInterface(tcp, &kTcpIid, &out));
    EXPECT_EQ(tcp, out);
    v->dispatch.Release(out);
    auto can_unload = reinterpret_cast<HResult (*)()>(lib_.symbol("DllCanUnloadNow"));
    ASSERT_NE(nullptr, can_unload);
    EXPECT_EQ(1, can_unload());  // an object lives
    v->dispatch.Release(tcp);
    EXPECT_EQ(0, can_unload());
}

TEST_F(ComComponent, TcpArraysAndNullPointers) {
    void* tcp = create("libCorvoTcpCom.so", kTcpClsid, kTcpIid);
    ASSERT_NE(nullptr, tcp);
    auto* v = *static_cast<const TcpComVtbl* const*>(tcp);
    VariantBool ok = 7;
    EXPECT_EQ(kPointer, v->Open(tcp, port_, nullptr));
    ASSERT_EQ(0, v->Open(tcp, port_, &ok));
    ASSERT_EQ(-1, ok);

    uint8_t config[50] = {};  // byte 0 stays 0
    for (int i = 1; i < 50; ++i) config[i] = static_cast<uint8_t>(3 * i + 1);
    SafeArray* a = array_of(50, 0);
    std::memcpy(raw(a)->data, config, 50);
    EXPECT_EQ(0, v->Send(tcp, 2, 100, &a, 0, &ok));
    EXPECT_EQ(-1, ok);
    EXPECT_EQ(kPointer, v->Send(tcp, 2, 100, nullptr, 0, &ok));
    pc::safe_array_destroy(raw(a));

    struct Case {
        const char* name;
        uint32_t array_size;
        int32_t length;
        VariantBool ok;
    } cases[] = {
        {"an array of the length", 50, 50, -1},
        {"an empty array is replaced", 0, 50, -1},
        {"a longer array is replaced", 400, 50, -1},
        {"a length the terminal refuses", 50, 49, 0},
        {"a negative length", 50, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SafeArray* r = array_of(c.array_size, 0xEE);
        ok = 7;
        EXPECT_EQ(0, v->Receive(tcp, 2, 200, &r, c.length, &ok));
        EXPECT_EQ(c.ok, ok);
        if (c.ok == -1) {
            ASSERT_EQ(static_cast<uint32_t>(c.length), raw(r)->count);
            EXPECT_EQ(0, std::memcmp(config, raw(r)->data, 50));
        } else {
            EXPECT_EQ(c.array_size, raw(r)->count);  // untouched
        }
        pc::safe_array_destroy(raw(r));
    }
    EXPECT_EQ(kPointer, v->Receive(tcp, 2, 200, nullptr, 50, &ok));
    EXPECT_EQ(kPointer, v->SendResponse(tcp, 2, 6, nullptr));
    EXPECT_EQ(0, v->Close(tcp, &ok));
    EXPECT_EQ(-1, ok);
    SafeArray* r = array_of(2, 0);
    EXPECT_EQ(0, v->Receive(tcp, 2, 235, &r, 2, &ok));  // closed: not done
    EXPECT_EQ(0, ok);
    pc::safe_array_destroy(raw(r));
    v->dispatch.Release(tcp);
}

// (Devices that are no serial line: SerialLines.Type4SerialComponentSpeaksForTheLinesTerminal.)
TEST_F(ComComponent, SerialComponentUnopenedRefusesExchanges) {
    void* serial = create("libCorvoSerialCom.so", kSerialClsid, kSerialIid);
    ASSERT_NE(nullptr, serial);
    auto* v = *static_cast<const SerialComVtbl* const*>(serial);
    VariantBool ok = 7;
    SafeArray* a = array_of(0, 0);
    EXPECT_EQ(0, v->Send(serial, 10, &a, &ok));  // not open
    EXPECT_EQ(0, ok);
    EXPECT_EQ(0, v->Receive(serial, 235, &a, 2, &ok));
    EXPECT_EQ(0, ok);
    EXPECT_EQ(0u, raw(a)->count);
    EXPECT_EQ(kPointer, v->Send(serial, 10, nullptr, &ok));
    EXPECT_EQ(0, v->Close(serial));
    EXPECT_EQ(0, v->Reserved(serial));
    pc::safe_array_destroy(raw(a));
    v->dispatch.Release(serial);
}

}  // namespace
#endif
