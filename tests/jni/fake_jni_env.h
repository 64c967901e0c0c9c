// A stand-in for the virtual machine's JNIEnv, with only the functions the
// bridge calls. Strings and arrays are test-owned objects; pinned elements
// are copies that a release in mode 0 writes back, so a test sees what
// reached the Java side. Every call, pin and release is counted, and a pin
// or a string creation can be made to fail as when memory runs out (null,
// an exception left pending).
#pragma once
#include <jni.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <deque>
#include <string>
#include <type_traits>
#include <vector>

namespace testsupport {

struct FakeJavaString {
    std::u16string units;
    std::string utf = {};  // of the strings the bridge makes
};
struct FakeArrayBase {
    jsize length;
};
template <class T>
struct FakeJavaArray : FakeArrayBase {
    explicit FakeJavaArray(std::vector<T> e) : FakeArrayBase{static_cast<jsize>(e.size())}, elements(std::move(e)) {}
    std::vector<T> elements;  // of `length` elements
};
struct FakeStringBuffer {
    std::string text;
    bool has_append = true;
};

class FakeJniEnv {
public:
    FakeJniEnv() {
        std::memset(&table_, 0, sizeof table_);
        table_.GetStringChars = &GetStringChars;
        table_.GetStringLength = &GetStringLength;
        table_.ReleaseStringChars = &ReleaseStringChars;
        table_.GetArrayLength = &GetArrayLength;
        table_.GetByteArrayElements = &pin<jbyte, jbyteArray>;
        table_.ReleaseByteArrayElements = &unpin<jbyte, jbyteArray>;
        table_.GetIntArrayElements = &pin<jint, jintArray>;
        table_.ReleaseIntArrayElements = &unpin<jint, jintArray>;
        table_.GetObjectClass = &GetObjectClass;
        table_.GetMethodID = &GetMethodID;
        table_.CallObjectMethodV = &CallObjectMethodV;  // what the C++ CallObjectMethod calls
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
    template <class T>
    static auto ref(FakeJavaArray<T>& a) {
        using Ref = std::conditional_t<std::is_same_v<T, jbyte>, jbyteArray, jintArray>;
        return reinterpret_cast<Ref>(static_cast<FakeArrayBase*>(&a));
    }
    static jobject ref(FakeStringBuffer& b) { return reinterpret_cast<jobject>(&b); }

    bool fail_pins = false;
    bool fail_new_string = false;

    int calls = 0;  // every table function
    int pins = 0;   // strings and arrays pinned
    int releases = 0;
    std::vector<jint> release_modes;
    bool exception_pending = false;

private:
    struct Holder {  // the JNIEnv first, so that the env pointer leads back here
        JNIEnv env;
        FakeJniEnv* owner;
    };
    static FakeJniEnv& self(JNIEnv* env) {
        FakeJniEnv& f = *reinterpret_cast<Holder*>(env)->owner;
        ++f.calls;
        return f;
    }
    static FakeJavaString& string(jobject s) { return *reinterpret_cast<FakeJavaString*>(s); }
    template <class T>
    static FakeJavaArray<T>& array(jarray a) {
        return static_cast<FakeJavaArray<T>&>(*reinterpret_cast<FakeArrayBase*>(a));
    }
    bool failing(bool fail) {  // an injected failure leaves an exception pending
        exception_pending = exception_pending || fail;
        return fail;
    }
    template <class T, class Container>
    T* pinned_copy(const Container& from) {
        if (failing(fail_pins)) return nullptr;
        ++pins;
        T* copy = new T[from.size() + 1];
        std::copy(from.begin(), from.end(), copy);
        return copy;
    }

    static const jchar* JNICALL GetStringChars(JNIEnv* env, jstring s, jboolean*) {
        return self(env).pinned_copy<jchar>(string(s).units);
    }
    static jsize JNICALL GetStringLength(JNIEnv* env, jstring s) {
        self(env);
        return static_cast<jsize>(string(s).units.size());
    }
    static void JNICALL ReleaseStringChars(JNIEnv* env, jstring, const jchar* chars) {
        ++self(env).releases;
        delete[] chars;
    }
    static jsize JNICALL GetArrayLength(JNIEnv* env, jarray a) {
        self(env);
        return reinterpret_cast<FakeArrayBase*>(a)->length;
    }
    template <class T, class A>
    static T* JNICALL pin(JNIEnv* env, A a, jboolean*) {
        return self(env).pinned_copy<T>(array<T>(a).elements);
    }
    template <class T, class A>
    static void JNICALL unpin(JNIEnv* env, A a, T* elems, jint mode) {
        FakeJniEnv& f = self(env);
        ++f.releases;
        f.release_modes.push_back(mode);
        std::vector<T>& e = array<T>(a).elements;
        if (mode != JNI_ABORT) std::copy(elems, elems + e.size(), e.begin());
        if (mode != JNI_COMMIT) delete[] elems;
    }
    static jclass JNICALL GetObjectClass(JNIEnv* env, jobject o) {
        self(env);
        return reinterpret_cast<jclass>(o);  // the buffer stands for its class
    }
    static jmethodID JNICALL GetMethodID(JNIEnv* env, jclass cls, const char*, const char*) {
        FakeJniEnv& f = self(env);  // without the method: NoSuchMethodError
        return f.failing(!reinterpret_cast<FakeStringBuffer*>(cls)->has_append) ? nullptr
                                                                                 : reinterpret_cast<jmethodID>(&f);
    }
    static jobject JNICALL CallObjectMethodV(JNIEnv* env, jobject o, jmethodID, va_list args) {
        self(env);
        reinterpret_cast<FakeStringBuffer*>(o)->text += string(va_arg(args, jstring)).utf;
        return o;
    }
    static jstring JNICALL NewStringUTF(JNIEnv* env, const char* utf) {
        FakeJniEnv& f = self(env);
        if (f.failing(f.fail_new_string)) return nullptr;
        f.strings_.push_back(FakeJavaString{{}, utf});
        return ref(f.strings_.back());
    }
    static jboolean JNICALL ExceptionCheck(JNIEnv* env) { return self(env).exception_pending ? JNI_TRUE : JNI_FALSE; }
    static void JNICALL ExceptionClear(JNIEnv* env) { self(env).exception_pending = false; }

    JNINativeInterface_ table_;
    Holder holder_;
    std::deque<FakeJavaString> strings_;
};

}  // namespace testsupport
