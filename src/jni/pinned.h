// Java strings and arrays pinned for the length of one call. Each releases
// what it pinned when it goes out of scope, on every path; arrays in mode 0,
// so that what the library wrote reaches the Java array. A null reference, an
// array shorter than the least length asked for, or elements that cannot be
// had leave the object empty (false), with any Java exception that the
// attempt raised cleared: the caller answers 8 instead.
#pragma once
#include <jni.h>

#include <cstdint>
#include <string>

namespace varanda::jni {

// Clears a Java exception raised by a failed JNI call of ours.
void clear_pending_exception(JNIEnv* env);

// A Java string as the terminal's single-byte text (ISO-8859-1): each
// character up to U+00FF is its byte, any other (a surrogate pair counts as
// one) becomes '?'. A U+0000 in the string ends the text there.
class PinnedString {
public:
    PinnedString(JNIEnv* env, jstring text);
    PinnedString(const PinnedString&) = delete;
    PinnedString& operator=(const PinnedString&) = delete;

    explicit operator bool() const { return ok_; }
    const char* get() const { return bytes_.c_str(); }  // zero-terminated

private:
    std::string bytes_;
    bool ok_ = false;
};

// UTF-16 code units as ISO-8859-1 bytes ('?' outside it).
std::string to_latin1(const jchar* units, jsize count);

// True when `array` is there and holds at least `least` elements.
bool long_enough(JNIEnv* env, jarray array, jsize least);

// The elements of a Java array, pinned by Get and released by Release.
template <class Array, class Element, Element* (JNIEnv::*Get)(Array, jboolean*),
          void (JNIEnv::*Release)(Array, Element*, jint)>
class PinnedArray {
public:
    PinnedArray(JNIEnv* env, Array array, jsize least_length = 0) : env_(env), array_(array) {
        if (!long_enough(env_, array_, least_length)) return;
        elements_ = (env_->*Get)(array_, nullptr);
        if (elements_ == nullptr) clear_pending_exception(env_);
    }
    ~PinnedArray() {
        if (elements_ != nullptr) (env_->*Release)(array_, elements_, 0);
    }
    PinnedArray(const PinnedArray&) = delete;
    PinnedArray& operator=(const PinnedArray&) = delete;

    explicit operator bool() const { return elements_ != nullptr; }
    Element* elements() const { return elements_; }

private:
    JNIEnv* env_;
    Array array_;
    Element* elements_ = nullptr;
};

class PinnedBytes
    : public PinnedArray<jbyteArray, jbyte, &JNIEnv::GetByteArrayElements, &JNIEnv::ReleaseByteArrayElements> {
public:
    using PinnedArray::PinnedArray;
    uint8_t* get() const { return reinterpret_cast<uint8_t*>(elements()); }
};

class PinnedInts
    : public PinnedArray<jintArray, jint, &JNIEnv::GetIntArrayElements, &JNIEnv::ReleaseIntArrayElements> {
public:
    using PinnedArray::PinnedArray;
    jint* get() const { return elements(); }
    jint& operator[](jsize i) const { return elements()[i]; }
};

}  // namespace varanda::jni
