// What every JNI function of the library shares: the refusal code and the
// call of the facade operation under the process lock and catch-all guard.
#pragma once
#include <jni.h>

#include <cstdint>
#include <utility>

#include "api/guard.h"
#include "jni/pinned.h"

namespace varanda::jni {

// A null or unobtainable reference, a StringBuffer without "append", a Java
// string that could not be made, or an exception in a function with array or
// StringBuffer arguments (a short array is refused_at its position).
inline constexpr jint kRefused = 8;

// A caller's array shorter than the operation needs: 128 + the argument's
// position in the Java method (counted from 0), as the operations refuse an
// argument out of range.
inline constexpr jint refused_at(int position) { return 128 + position; }

// 0 when `array` (not null) holds at least `least` elements, else refused_at(position).
inline jint refuse_short(JNIEnv* env, jarray array, jsize least, int position) {
    return least > 0 && env->GetArrayLength(array) < least ? refused_at(position) : 0;
}

// Runs a facade operation; a one-byte code is zero-extended, a 32-bit result
// passed unchanged.
template <class R, class Body>
jint call_op(R on_error, Body&& body) {
    return static_cast<jint>(guarded<R>(on_error, std::forward<Body>(body)));
}

template <class Body>
jint call_void(Body&& body) {
    guarded_void(std::forward<Body>(body));
    return 0;
}

}  // namespace varanda::jni
