// The fingerprint module's model, version, user count, record size and
// identification answer, from Java.
#include "api/facade.h"
#include "jni/out_values.h"
#include "jni/string_buffer.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr size_t kIdentificationText = 16;
}

jint ReceberModeloBio(JNIEnv* env, JavaClass, jint terminal, jbyte online, jintArray model) {
    return values_always<int32_t, 1>(env, model, 2, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberModeloBio(f, terminal, static_cast<uint8_t>(online), &v[0]);
    });
}

jint ReceberQuantidadeUsuariosBio(JNIEnv* env, JavaClass, jint terminal, jbyte online, jintArray count) {
    return values_always<int32_t, 1>(env, count, 2, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberQuantidadeUsuariosBio(f, terminal, static_cast<uint8_t>(online), &v[0]);
    });
}

jint ReceberVersaoBio(JNIEnv* env, JavaClass, jint terminal, jbyte online, jintArray version) {
    return values_always<int32_t, 2>(env, version, 2, [&](ApiFacade& f, std::array<int32_t, 2>& v) {
        return via::ReceberVersaoBio(f, terminal, static_cast<uint8_t>(online), &v[0], &v[1]);
    });
}

jint ReceberRespostaRequisicaoBio(JNIEnv* env, JavaClass, jint terminal, jintArray size) {
    return values_always<int32_t, 1>(env, size, 1, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberRespostaRequisicaoBio(f, terminal, &v[0]);
    });
}

jint ResultadoIdentificacaoBiometrica(JNIEnv* env, JavaClass, jint terminal, jbyte online, jobject result) {
    if (result == nullptr) return kRefused;
    const StringBufferAppender text(env, result);
    if (!text) return kRefused;
    uint8_t area[kIdentificationText + 1] = {};
    const jint r = call_code([&](ApiFacade& f) {
        return via::ResultadoIdentificacaoBiometrica(f, terminal, static_cast<uint8_t>(online), area);
    });
    if (r != rc::kOk) return r;
    return text.append(reinterpret_cast<const char*>(area), kIdentificationText) ? r : kRefused;
}

}  // namespace varanda::jni
