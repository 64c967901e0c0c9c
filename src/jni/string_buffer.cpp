#include "jni/string_buffer.h"

#include <string>

#include "jni/modified_utf8.h"
#include "jni/pinned.h"

namespace varanda::jni {

StringBufferAppender::StringBufferAppender(JNIEnv* env, jobject buffer) : env_(env), buffer_(buffer) {
    if (buffer_ == nullptr) return;
    jclass cls = env_->GetObjectClass(buffer_);
    if (cls != nullptr) append_ = env_->GetMethodID(cls, "append", "(Ljava/lang/String;)Ljava/lang/StringBuffer;");
    if (append_ == nullptr) clear_pending_exception(env_);
}

bool StringBufferAppender::append(const char* area, size_t max_length) const {
    if (append_ == nullptr) return false;
    const std::string text = to_modified_utf8(area, max_length);
    jstring s = env_->NewStringUTF(text.c_str());
    if (s == nullptr) {
        clear_pending_exception(env_);
        return false;
    }
    env_->CallObjectMethod(buffer_, append_, s);
    return true;
}

}  // namespace varanda::jni
