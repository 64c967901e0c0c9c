// Native side of FakeBackends.java: the fake back ends' control functions
// for the Java test, through the same FakeBackend handles the C++ tests use.
#include <jni.h>

#include <string>
#include <vector>

#include "fake_backend.h"

namespace {

testsupport::FakeBackend& backend(JNIEnv* env, jstring lib) {
    static testsupport::FakeBackend serial(testsupport::kSerialLib);
    static testsupport::FakeBackend tcp(testsupport::kTcpLib);
    const char* name = env->GetStringUTFChars(lib, nullptr);
    const bool is_tcp = std::string(name) == "tcp";
    env->ReleaseStringUTFChars(lib, name);
    return is_tcp ? tcp : serial;
}

std::string text(JNIEnv* env, jstring s) {
    const char* chars = env->GetStringUTFChars(s, nullptr);
    std::string out(chars);
    env->ReleaseStringUTFChars(s, chars);
    return out;
}

std::vector<testsupport::FakeCall> calls(JNIEnv* env, jstring lib, jstring entry) {
    return backend(env, lib).calls(text(env, entry));
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_FakeBackends_reset(JNIEnv* env, jclass, jstring lib) { backend(env, lib).reset(); }

JNIEXPORT void JNICALL Java_FakeBackends_queueAnswer(JNIEnv* env, jclass, jstring lib, jint result, jbyteArray bytes) {
    std::vector<uint8_t> v(static_cast<size_t>(env->GetArrayLength(bytes)));
    env->GetByteArrayRegion(bytes, 0, static_cast<jsize>(v.size()), reinterpret_cast<jbyte*>(v.data()));
    backend(env, lib).queue_answer(result, v);
}

JNIEXPORT jint JNICALL Java_FakeBackends_count(JNIEnv* env, jclass, jstring lib, jstring entry) {
    return static_cast<jint>(calls(env, lib, entry).size());
}

JNIEXPORT jintArray JNICALL Java_FakeBackends_ints(JNIEnv* env, jclass, jstring lib, jstring entry, jint index) {
    auto c = calls(env, lib, entry);
    jintArray out = env->NewIntArray(6);
    if (index >= 0 && static_cast<size_t>(index) < c.size()) {
        env->SetIntArrayRegion(out, 0, 6, reinterpret_cast<const jint*>(c[static_cast<size_t>(index)].ints));
    }
    return out;
}

JNIEXPORT jbyteArray JNICALL Java_FakeBackends_data(JNIEnv* env, jclass, jstring lib, jstring entry, jint index) {
    auto c = calls(env, lib, entry);
    std::vector<uint8_t> d;
    if (index >= 0 && static_cast<size_t>(index) < c.size()) d = c[static_cast<size_t>(index)].data;
    jbyteArray out = env->NewByteArray(static_cast<jsize>(d.size()));
    env->SetByteArrayRegion(out, 0, static_cast<jsize>(d.size()), reinterpret_cast<const jbyte*>(d.data()));
    return out;
}

}  // extern "C"
