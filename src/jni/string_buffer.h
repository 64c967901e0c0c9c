// Appending a text result to a Java StringBuffer: its "append" method is
// looked up by name and signature on the object's class before anything
// else is pinned, then called with a Java string made from the text.
#pragma once
#include <jni.h>

#include <cstddef>

namespace varanda::jni {

class StringBufferAppender {
public:
    // Empty (false) for a null buffer or a class without the method; a Java
    // exception raised by the lookup is cleared.
    StringBufferAppender(JNIEnv* env, jobject buffer);

    explicit operator bool() const { return append_ != nullptr; }

    // Appends the text in `area` up to its first zero byte or `max_length`
    // bytes. False when the Java string could not be made.
    bool append(const char* area, size_t max_length) const;

private:
    JNIEnv* env_;
    jobject buffer_;
    jmethodID append_ = nullptr;
};

}  // namespace varanda::jni
