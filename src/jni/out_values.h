// The Java forms whose int[] receives an operation's out-values one per
// element: the operation writes into a zeroed local area, and the values are
// copied into the pinned elements, a byte zero-extended, a 32-bit value as it
// is.
#pragma once
#include <jni.h>

#include <array>
#include <cstddef>

#include "core/return_code.h"
#include "jni/bridge.h"
#include "jni/pinned.h"

namespace varanda::jni {

// Runs an operation with a one-byte code under the lock and guard.
template <class Body>
jint call_code(Body&& body) {
    return call_op<uint8_t>(rc::kException, std::forward<Body>(body));
}

template <class T, size_t N>
void store_values(jint* elements, const std::array<T, N>& values) {
    for (size_t i = 0; i < N; ++i) elements[i] = static_cast<jint>(values[i]);
}

// The form (…, int[N] out) whose N out-values are written whether the
// operation succeeded or not: 0 where it did not fill them. `body(f, area)`
// calls the operation with pointers into `area`; `position` is the array's
// place among the Java arguments.
template <class T, size_t N, class Body>
jint values_always(JNIEnv* env, jintArray out, int position, Body&& body) {
    if (out == nullptr) return kRefused;
    if (jint r = refuse_short(env, out, static_cast<jsize>(N), position)) return r;
    const PinnedInts pin(env, out, static_cast<jsize>(N));
    if (!pin) return kRefused;
    std::array<T, N> area{};
    const jint r = call_code([&](ApiFacade& f) { return body(f, area); });
    store_values(pin.get(), area);
    return r;
}

}  // namespace varanda::jni
