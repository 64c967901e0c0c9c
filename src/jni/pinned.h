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

class PinnedBytes {
public:
    PinnedBytes(JNIEnv* env, jbyteArray array, jsize least_length = 0);
    ~PinnedBytes();
    PinnedBytes(const PinnedBytes&) = delete;
    PinnedBytes& operator=(const PinnedBytes&) = delete;

    explicit operator bool() const { return elements_ != nullptr; }
    uint8_t* get() const { return reinterpret_cast<uint8_t*>(elements_); }

private:
    JNIEnv* env_;
    jbyteArray array_;
    jbyte* elements_ = nullptr;
};

class PinnedInts {
public:
    PinnedInts(JNIEnv* env, jintArray array, jsize least_length = 0);
    ~PinnedInts();
    PinnedInts(const PinnedInts&) = delete;
    PinnedInts& operator=(const PinnedInts&) = delete;

    explicit operator bool() const { return elements_ != nullptr; }
    jint* get() const { return elements_; }
    jint& operator[](jsize i) const { return elements_[i]; }

private:
    JNIEnv* env_;
    jintArray array_;
    jint* elements_ = nullptr;
};

}  // namespace varanda::jni
