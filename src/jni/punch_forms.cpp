// Punch collection from Java.
#include "api/facade.h"
#include "jni/out_values.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr size_t kPunchValues = 6;  // type, day, month, year, hour, minute
constexpr size_t kCardText = 16;
}  // namespace

jint ColetarBilhete(JNIEnv* env, JavaClass, jint terminal, jintArray punch, jobject card) {
    return values_and_text<kPunchValues, kCardText>(
        env, punch, card, [&](ApiFacade& f, std::array<uint8_t, kPunchValues>& v, char* area) {
            return via::ColetarBilhete(f, terminal, &v[0], &v[1], &v[2], &v[3], &v[4], &v[5], area);
        });
}

jint ReceberQuantidadeBilhetes(JNIEnv* env, JavaClass, jint terminal, jintArray count) {
    return values_always<int32_t, 1>(env, count, 1, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberQuantidadeBilhetes(f, terminal, &v[0]);
    });
}

}  // namespace varanda::jni
