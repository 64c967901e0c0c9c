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
#include "jni/string_buffer.h"

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

// The form (…, int[N] out, StringBuffer text) of an operation that writes N
// one-byte values and a text of `text_length` characters: both reach Java only
// on 0. `body(f, values, text)` calls the operation; the array is the Java
// form's second argument.
template <size_t N, size_t text_length, class Body>
jint values_and_text(JNIEnv* env, jintArray out, jobject text_buffer, Body&& body) {
    if (out == nullptr || text_buffer == nullptr) return kRefused;
    const StringBufferAppender text(env, text_buffer);
    if (!text) return kRefused;
    if (jint r = refuse_short(env, out, static_cast<jsize>(N), 1)) return r;
    const PinnedInts pin(env, out, static_cast<jsize>(N));
    if (!pin) return kRefused;
    std::array<uint8_t, N> values{};
    char area[text_length + 1] = {};
    const jint r = call_code([&](ApiFacade& f) { return body(f, values, area); });
    if (r != rc::kOk) return r;
    store_values(pin.get(), values);
    return text.append(area, text_length) ? r : kRefused;
}

}  // namespace varanda::jni
