// Punch collection from Java.
#include "api/facade.h"
#include "jni/out_values.h"
#include "jni/string_buffer.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr jsize kPunchValues = 6;  // type, day, month, year, hour, minute
constexpr size_t kCardText = 16;
}  // namespace

jint ColetarBilhete(JNIEnv* env, JavaClass, jint terminal, jintArray punch, jobject card) {
    if (punch == nullptr || card == nullptr) return kRefused;
    const StringBufferAppender text(env, card);
    if (!text) return kRefused;
    if (jint r = refuse_short(env, punch, kPunchValues, 1)) return r;
    const PinnedInts pin(env, punch, kPunchValues);
    if (!pin) return kRefused;
    std::array<uint8_t, kPunchValues> v{};
    char area[kCardText + 1] = {};
    const jint r = call_code([&](ApiFacade& f) {
        return via::ColetarBilhete(f, terminal, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], area);
    });
    if (r != rc::kOk) return r;
    store_values(pin.get(), v);
    return text.append(area, kCardText) ? r : kRefused;
}

jint ReceberQuantidadeBilhetes(JNIEnv* env, JavaClass, jint terminal, jintArray count) {
    return values_always<int32_t, 1>(env, count, 1, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberQuantidadeBilhetes(f, terminal, &v[0]);
    });
}

}  // namespace varanda::jni
