// The two Java classes' native methods called by their exported names, as a
// virtual machine finds them on this platform (stdcall-decorated on 32-bit
// Windows only), with a stand-in JNIEnv.
#pragma once
#include <jni.h>

#include <string>

#include "fake_jni_env.h"
#include "sdk_test.h"

namespace testsupport {

inline const char* const kJavaClasses[] = {"Varanda", "com_melbrosa_Varanda"};

// The exported name of a native method with `java_args` Java arguments.
inline std::string jni_name(const std::string& cls, const std::string& method, int java_args) {
#if defined(_WIN32) && !defined(_WIN64)
    return "_Java_" + cls + "_" + method + "@" + std::to_string(8 + 4 * java_args);
#else
    (void)java_args;
    return "Java_" + cls + "_" + method;
#endif
}

class JniTest : public SdkTest {
protected:
    template <class... A>
    jint call(const std::string& cls, const char* method, A... args) {
        using Fn = jint(JNICALL*)(JNIEnv*, jclass, A...);
        const std::string name = jni_name(cls, method, static_cast<int>(sizeof...(A)));
        auto fn = reinterpret_cast<Fn>(sdk_.symbol(name.c_str()));
        if (fn == nullptr) {
            ADD_FAILURE() << name << " is not exported";
            return -1;
        }
        return fn(vm_.env(), nullptr, args...);
    }
    FakeJniEnv vm_;
};

}  // namespace testsupport
