// Firmware version, smart card and turnstile counters, from Java.
#include "api/facade.h"
#include "jni/int_storage.h"
#include "jni/out_values.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr jsize kFirmwareValues = 7;
constexpr int kCounters = 3;
constexpr size_t kCounterSize = 4;
constexpr int kCardAreas = 4;
constexpr size_t kCardAreaSizes[kCardAreas] = {10, 16, 16, 16};

constexpr jsize elements_for(size_t bytes) { return static_cast<jsize>((bytes + 3) / 4); }
jint refuse_counters(JNIEnv* env, jintArray first, jintArray second, jintArray third) {
    const jintArray arrays[kCounters] = {first, second, third};
    for (int i = 0; i < kCounters; ++i)
        if (jint r = refuse_short(env, arrays[i], 1, 1 + i)) return r;
    return 0;
}
}  // namespace

// Element 0 the first byte; the version's high byte into the lowest byte of
// element 1 and its low byte into that of element 2, their other bytes kept;
// elements 3 to 6 the rest. Written whatever the result (0 unless read).
jint ReceberVersaoFirmware(JNIEnv* env, JavaClass, jint terminal, jintArray version) {
    if (version == nullptr) return kRefused;
    if (jint r = refuse_short(env, version, kFirmwareValues, 1)) return r;
    const PinnedInts pin(env, version, kFirmwareValues);
    if (!pin) return kRefused;
    uint8_t b[5] = {};
    uint16_t v = 0;
    const jint r = call_code(
        [&](ApiFacade& f) { return via::ReceberVersaoFirmware(f, terminal, &b[0], &v, &b[1], &b[2], &b[3], &b[4]); });
    pin[0] = b[0];
    put_byte(pin[1], 0, static_cast<uint8_t>(v >> 8));
    put_byte(pin[2], 0, static_cast<uint8_t>(v & 0xFF));
    for (int i = 0; i < 4; ++i) pin[3 + i] = b[1 + i];
    return r;
}

// The four result areas as they lie, only on 0. The area number is a byte:
// a Java int outside 0..255 is refused rather than cut.
jint LerSmartCard(JNIEnv* env, JavaClass, jint terminal, jint area, jintArray r1, jintArray r2, jintArray r3,
                  jintArray r4) {
    const jintArray arrays[kCardAreas] = {r1, r2, r3, r4};
    for (jintArray a : arrays)
        if (a == nullptr) return kRefused;
    if (area < 0 || area > 0xFF) return rc::bad_arg(1);
    for (int i = 0; i < kCardAreas; ++i)
        if (jint r = refuse_short(env, arrays[i], elements_for(kCardAreaSizes[i]), 2 + i)) return r;
    const PinnedInts pins[kCardAreas] = {{env, r1, elements_for(kCardAreaSizes[0])},
                                         {env, r2, elements_for(kCardAreaSizes[1])},
                                         {env, r3, elements_for(kCardAreaSizes[2])},
                                         {env, r4, elements_for(kCardAreaSizes[3])}};
    for (const PinnedInts& p : pins)
        if (!p) return kRefused;
    uint8_t out[kCardAreas][16] = {};
    const jint r = call_code([&](ApiFacade& f) {
        return via::LerSmartCard(f, terminal, static_cast<uint8_t>(area), out[0], out[1], out[2], out[3]);
    });
    if (r != rc::kOk) return r;
    for (int i = 0; i < kCardAreas; ++i)
        store_bytes(pins[i].get(), static_cast<size_t>(elements_for(kCardAreaSizes[i])), 0, out[i], kCardAreaSizes[i]);
    return r;
}

// Each counter's four bytes as they lie in element 0 of its array, only on 0.
jint LerContadorGiro(JNIEnv* env, JavaClass, jint terminal, jintArray first, jintArray second, jintArray third) {
    if (first == nullptr || second == nullptr || third == nullptr) return kRefused;
    if (jint r = refuse_counters(env, first, second, third)) return r;
    const PinnedInts pins[kCounters] = {{env, first, 1}, {env, second, 1}, {env, third, 1}};
    for (const PinnedInts& p : pins)
        if (!p) return kRefused;
    uint8_t out[kCounters][kCounterSize] = {};
    const jint r = call_code(
        [&](ApiFacade& f) { return via::LerContadorGiro(f, terminal, out[0], out[1], out[2]); });
    if (r != rc::kOk) return r;
    for (int i = 0; i < kCounters; ++i) store_bytes(pins[i].get(), 1, 0, out[i], kCounterSize);
    return r;
}

// Element 0 of each array supplies a counter value; nothing is written back.
jint AtribuirContadorGiro(JNIEnv* env, JavaClass, jint terminal, jintArray first, jintArray second,
                          jintArray third) {
    if (first == nullptr || second == nullptr || third == nullptr) return kRefused;
    if (jint r = refuse_counters(env, first, second, third)) return r;
    const PinnedInts pins[kCounters] = {{env, first, 1}, {env, second, 1}, {env, third, 1}};
    for (const PinnedInts& p : pins)
        if (!p) return kRefused;
    const int32_t values[kCounters] = {pins[0][0], pins[1][0], pins[2][0]};
    return call_code(
        [&](ApiFacade& f) { return via::AtribuirContadorGiro(f, terminal, values[0], values[1], values[2]); });
}

}  // namespace varanda::jni
