#include "jni/pinned.h"

namespace varanda::jni {

bool long_enough(JNIEnv* env, jarray array, jsize least) {
    if (array == nullptr) return false;
    return least <= 0 || env->GetArrayLength(array) >= least;
}

void clear_pending_exception(JNIEnv* env) {
    if (env->ExceptionCheck()) env->ExceptionClear();
}

std::string to_latin1(const jchar* units, jsize count) {
    constexpr jchar kLast = 0xFF, kHighFirst = 0xD800, kHighLast = 0xDBFF, kLowFirst = 0xDC00, kLowLast = 0xDFFF;
    std::string out;
    for (jsize i = 0; i < count && units[i] != 0; ++i) {
        const jchar u = units[i];
        const bool pair = u >= kHighFirst && u <= kHighLast && i + 1 < count && units[i + 1] >= kLowFirst &&
                          units[i + 1] <= kLowLast;
        if (pair) ++i;
        out.push_back(u <= kLast ? static_cast<char>(u) : '?');
    }
    return out;
}

PinnedString::PinnedString(JNIEnv* env, jstring text) {
    if (text == nullptr) return;
    const jchar* units = env->GetStringChars(text, nullptr);
    if (units == nullptr) {
        clear_pending_exception(env);
        return;
    }
    bytes_ = to_latin1(units, env->GetStringLength(text));
    env->ReleaseStringChars(text, units);
    ok_ = true;
}

}  // namespace varanda::jni
