#include "jni/pinned.h"

namespace varanda::jni {

namespace {
// True when `array` is there and holds at least `least` elements.
bool long_enough(JNIEnv* env, jarray array, jsize least) {
    if (array == nullptr) return false;
    return least <= 0 || env->GetArrayLength(array) >= least;
}
}  // namespace

void clear_pending_exception(JNIEnv* env) {
    if (env->ExceptionCheck()) env->ExceptionClear();
}

PinnedString::PinnedString(JNIEnv* env, jstring text) : env_(env), text_(text) {
    if (text_ == nullptr) return;
    chars_ = env_->GetStringUTFChars(text_, nullptr);
    if (chars_ == nullptr) clear_pending_exception(env_);
}

PinnedString::~PinnedString() {
    if (chars_ != nullptr) env_->ReleaseStringUTFChars(text_, chars_);
}

PinnedBytes::PinnedBytes(JNIEnv* env, jbyteArray array, jsize least_length) : env_(env), array_(array) {
    if (!long_enough(env_, array_, least_length)) return;
    elements_ = env_->GetByteArrayElements(array_, nullptr);
    if (elements_ == nullptr) clear_pending_exception(env_);
}

PinnedBytes::~PinnedBytes() {
    if (elements_ != nullptr) env_->ReleaseByteArrayElements(array_, elements_, 0);
}

PinnedInts::PinnedInts(JNIEnv* env, jintArray array, jsize least_length) : env_(env), array_(array) {
    if (!long_enough(env_, array_, least_length)) return;
    elements_ = env_->GetIntArrayElements(array_, nullptr);
    if (elements_ == nullptr) clear_pending_exception(env_);
}

PinnedInts::~PinnedInts() {
    if (elements_ != nullptr) env_->ReleaseIntArrayElements(array_, elements_, 0);
}

}  // namespace varanda::jni
