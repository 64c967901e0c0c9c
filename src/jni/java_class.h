// The two Java classes whose native methods the library exports. A bridge
// function that behaves differently for one of them is told which one called.
#pragma once

namespace varanda::jni {

enum class JavaClass {
    kVaranda,   // class Varanda, default package
    kMelbrosa,  // class com.melbrosa.Varanda
};

}  // namespace varanda::jni
