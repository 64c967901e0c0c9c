// A stand-in for the virtual machine's JNIEnv, with only the functions the
// bridge uses. Strings and arrays are test-owned objects; pinned elements
// are copies that a release in mode 0 writes back, so a test sees what
// reached the Java side, and every pin and release is counted. Failures of
// the virtual machine can be injected.
#pragma once
#include <jni.h>

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstring>
#include <deque>
#include <string>
#include <vector>

namespace testsupport {

struct FakeJavaString {
    std::string utf;  // modified UTF-8
};
struct FakeArrayBase {
    virtual ~FakeArrayBase() = default;
    virtual jsize size() const = 0;
};
template <class T>
struct FakeJavaArray : FakeArrayBase {
    FakeJavaArray() = default;
    explicit FakeJavaArray(std::vector<T> e) : elements(std::move(e)) {}
    jsize size() const override { return static_cast<jsize>(elements.size()); }
    std::vector<T> elements;
};
struct FakeStringBuffer {
    std::string text;
    bool has_append = true;
};

class FakeJniEnv {
public:
    FakeJniEnv() {
        std::memset(&table_, 0, sizeof table_);
        table_.GetStringUTFChars = &GetStringUTFChars;
        table_.ReleaseStringUTFChars = &ReleaseStringUTFChars;
        table_.GetStringChars = &GetStringChars;
        table_.GetStringLength = &GetStringLength;
        table_.ReleaseStringChars = &ReleaseStringChars;
        table_.GetArrayLength = &GetArrayLength;
        table_.GetByteArrayElements = &GetByteArrayElements;
        table_.ReleaseByteArrayElements = &ReleaseByteArrayElements;
        table_.GetIntArrayElements = &GetIntArrayElements;
        table_.ReleaseIntArrayElements = &ReleaseIntArrayElements;
        table_.GetObjectClass = &GetObjectClass;
        table_.GetMethodID = &GetMethodID;
        table_.CallObjectMethod = &CallObjectMethod;
        table_.CallObjectMethodV = &CallObjectMethodV;
        table_.NewStringUTF = &NewStringUTF;
        table_.ExceptionCheck = &ExceptionCheck;
        table_.ExceptionClear = &ExceptionClear;
        holder_.env.functions = &table_;
        holder_.owner = this;
    }
    FakeJniEnv(const FakeJniEnv&) = delete;
    FakeJniEnv& operator=(const FakeJniEnv&) = delete;

    JNIEnv* env() { return &holder_.env; }

    static jstring ref(FakeJavaString& s) { return reinterpret_cast<jstring>(&s); }
    static jbyteArray ref(FakeJavaArray<jbyte>& a) {
        return reinterpret_cast<jbyteArray>(static_cast<FakeArrayBase*>(&a));
    }
    static jintArray ref(FakeJavaArray<jint>& a) {
        return reinterpret_cast<jintArray>(static_cast<FakeArrayBase*>(&a));
    }
    static jobject ref(FakeStringBuffer& b) { return reinterpret_cast<jobject>(&b); }

    // Injected failures: the next pin or string creation returns null and
    // leaves an exception pending, as a virtual machine out of memory does.
    bool fail_pins = false;
    bool fail_new_string = false;

    int pins = 0;       // strings and arrays pinned
    int releases = 0;   // ... and released
    std::vector<jint> release_modes;
    bool is_copy_asked = false;  // a pin passed an is-copy flag
    std::string method_name, method_signature;  // of the last GetMethodID
    bool exception_pending = false;
    int exceptions_cleared = 0;
    int calls = 0;      // every table function called

private:
    struct Holder {  // the JNIEnv first, so that the env pointer leads back here
        JNIEnv env;
        FakeJniEnv* owner;
    };
    static FakeJniEnv& self(JNIEnv* env) { return *reinterpret_cast<Holder*>(env)->owner; }
    bool failing_pin() {
        ++calls;
        if (!fail_pins) return false;
        exception_pending = true;
        return true;
    }

    static const char* JNICALL GetStringUTFChars(JNIEnv* env, jstring s, jboolean* is_copy) {
        FakeJniEnv& f = self(env);
        if (is_copy != nullptr) f.is_copy_asked = true;
        if (f.failing_pin()) return nullptr;
        ++f.pins;
        const std::string& utf = reinterpret_cast<FakeJavaString*>(s)->utf;
        char* copy = new char[utf.size() + 1];
        std::memcpy(copy, utf.c_str(), utf.size() + 1);
        return copy;
    }
    static void JNICALL ReleaseStringUTFChars(JNIEnv* env, jstring, const char* chars) {
        FakeJniEnv& f = self(env);
        ++f.calls;
        ++f.releases;
        delete[] chars;
    }
    // The string's UTF-16 code units, from its modified UTF-8 (1, 2 and 3-byte forms).
    static std::vector<jchar> units(jstring s) {
        const std::string& u = reinterpret_cast<FakeJavaString*>(s)->utf;
        std::vector<jchar> out;
        for (size_t i = 0; i < u.size();) {
            const auto b = static_cast<unsigned char>(u[i]);
            const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : 3;
            unsigned v = n == 1 ? b : n == 2 ? b & 0x1Fu : b & 0x0Fu;
            for (size_t k = 1; k < n && i + k < u.size(); ++k) v = v << 6 | (static_cast<unsigned char>(u[i + k]) & 0x3Fu);
            out.push_back(static_cast<jchar>(v));
            i += n;
        }
        return out;
    }
    static const jchar* JNICALL GetStringChars(JNIEnv* env, jstring s, jboolean* is_copy) {
        FakeJniEnv& f = self(env);
        if (is_copy != nullptr) f.is_copy_asked = true;
        if (f.failing_pin()) return nullptr;
        ++f.pins;
        const std::vector<jchar> u = units(s);
        jchar* copy = new jchar[u.size() + 1];
        std::copy(u.begin(), u.end(), copy);
        return copy;
    }
    static jsize JNICALL GetStringLength(JNIEnv* env, jstring s) {
        ++self(env).calls;
        return static_cast<jsize>(units(s).size());
    }
    static void JNICALL ReleaseStringChars(JNIEnv* env, jstring, const jchar* chars) {
        FakeJniEnv& f = self(env);
        ++f.calls;
        ++f.releases;
        delete[] chars;
    }
    static jsize JNICALL GetArrayLength(JNIEnv* env, jarray a) {
        ++self(env).calls;
        return reinterpret_cast<FakeArrayBase*>(a)->size();
    }
    template <class T, class Ref>
    static FakeJavaArray<T>* array(Ref a) {
        return static_cast<FakeJavaArray<T>*>(reinterpret_cast<FakeArrayBase*>(a));
    }

    template <class T>
    static T* pin(JNIEnv* env, FakeJavaArray<T>* a, jboolean* is_copy) {
        FakeJniEnv& f = self(env);
        if (is_copy != nullptr) f.is_copy_asked = true;
        if (f.failing_pin()) return nullptr;
        ++f.pins;
        T* copy = new T[a->elements.size() + 1];
        std::copy(a->elements.begin(), a->elements.end(), copy);
        return copy;
    }
    template <class T>
    static void unpin(JNIEnv* env, FakeJavaArray<T>* a, T* elems, jint mode) {
        FakeJniEnv& f = self(env);
        ++f.calls;
        ++f.releases;
        f.release_modes.push_back(mode);
        if (mode == 0 || mode == JNI_COMMIT) std::copy(elems, elems + a->elements.size(), a->elements.begin());
        if (mode != JNI_COMMIT) delete[] elems;
    }
    static jbyte* JNICALL GetByteArrayElements(JNIEnv* env, jbyteArray a, jboolean* is_copy) {
        return pin(env, array<jbyte>(a), is_copy);
    }
    static void JNICALL ReleaseByteArrayElements(JNIEnv* env, jbyteArray a, jbyte* elems, jint mode) {
        unpin(env, array<jbyte>(a), elems, mode);
    }
    static jint* JNICALL GetIntArrayElements(JNIEnv* env, jintArray a, jboolean* is_copy) {
        return pin(env, array<jint>(a), is_copy);
    }
    static void JNICALL ReleaseIntArrayElements(JNIEnv* env, jintArray a, jint* elems, jint mode) {
        unpin(env, array<jint>(a), elems, mode);
    }
    static jclass JNICALL GetObjectClass(JNIEnv* env, jobject o) {
        ++self(env).calls;
        return reinterpret_cast<jclass>(o);  // the buffer stands for its class
    }
    static jmethodID JNICALL GetMethodID(JNIEnv* env, jclass cls, const char* name, const char* sig) {
        FakeJniEnv& f = self(env);
        ++f.calls;
        f.method_name = name;
        f.method_signature = sig;
        if (!reinterpret_cast<FakeStringBuffer*>(cls)->has_append) {
            f.exception_pending = true;  // NoSuchMethodError
            return nullptr;
        }
        return reinterpret_cast<jmethodID>(&f.table_);
    }
    // The C++ JNIEnv's CallObjectMethod forwards to the V form; both are here.
    static jobject JNICALL CallObjectMethod(JNIEnv* env, jobject o, jmethodID method, ...) {
        va_list args;
        va_start(args, method);
        jobject r = CallObjectMethodV(env, o, method, args);
        va_end(args);
        return r;
    }
    static jobject JNICALL CallObjectMethodV(JNIEnv* env, jobject o, jmethodID, va_list args) {
        ++self(env).calls;
        jstring s = va_arg(args, jstring);
        reinterpret_cast<FakeStringBuffer*>(o)->text += reinterpret_cast<FakeJavaString*>(s)->utf;
        return o;
    }
    static jstring JNICALL NewStringUTF(JNIEnv* env, const char* utf) {
        FakeJniEnv& f = self(env);
        ++f.calls;
        if (f.fail_new_string) {
            f.exception_pending = true;
            return nullptr;
        }
        f.strings_.push_back(FakeJavaString{utf});
        return ref(f.strings_.back());
    }
    static jboolean JNICALL ExceptionCheck(JNIEnv* env) { return self(env).exception_pending ? JNI_TRUE : JNI_FALSE; }
    static void JNICALL ExceptionClear(JNIEnv* env) {
        FakeJniEnv& f = self(env);
        if (f.exception_pending) ++f.exceptions_cleared;
        f.exception_pending = false;
    }

    JNINativeInterface_ table_;
    Holder holder_;
    std::deque<FakeJavaString> strings_;
};

}  // namespace testsupport
