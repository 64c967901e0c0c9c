// Native side of FakeBackends.java, through the FakeBackend handle the C++
// tests use.
#include <jni.h>

#include <vector>

#include "fake_backend.h"

namespace {

testsupport::FakeBackend& tcp() {
    static testsupport::FakeBackend backend(testsupport::kTcpLib);
    return backend;
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_FakeBackends_reset(JNIEnv*, jclass) { tcp().reset(); }

JNIEXPORT void JNICALL Java_FakeBackends_queueAnswer(JNIEnv* env, jclass, jint result, jbyteArray bytes) {
    std::vector<uint8_t> v(static_cast<size_t>(env->GetArrayLength(bytes)));
    env->GetByteArrayRegion(bytes, 0, static_cast<jsize>(v.size()), reinterpret_cast<jbyte*>(v.data()));
    tcp().queue_answer(result, v);
}

JNIEXPORT jbyteArray JNICALL Java_FakeBackends_lastSent(JNIEnv* env, jclass) {
    const auto calls = tcp().calls("Envia_Dados");
    const std::vector<uint8_t> d = calls.empty() ? std::vector<uint8_t>{} : calls.back().data;
    jbyteArray out = env->NewByteArray(static_cast<jsize>(d.size()));
    env->SetByteArrayRegion(out, 0, static_cast<jsize>(d.size()), reinterpret_cast<const jbyte*>(d.data()));
    return out;
}

}  // extern "C"
