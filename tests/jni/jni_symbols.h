// The exported names of the two Java classes' native methods, as a virtual
// machine looks them up on this platform (stdcall-decorated on 32-bit
// Windows only).
#pragma once
#include <string>

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

}  // namespace testsupport
