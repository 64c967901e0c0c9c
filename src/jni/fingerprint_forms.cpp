// One user's fingerprint record from and to Java.
#include "api/facade.h"
#include "bio/fingerprint_record.h"
#include "jni/out_values.h"
#include "jni_custom.h"
#include "platform/clock_source.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr uint32_t kBeforeReceiveWaitMs = 150;  // a pause before the read, in the Java form only
}  // namespace

jint ReceberDigitalUsuario(JNIEnv* env, JavaClass, jint terminal, jbyteArray record, jint size) {
    if (record == nullptr) return kRefused;
    // A size the operation refuses (130) needs no particular length.
    const jsize least = size >= 1 && size <= kFingerprintRecordTwo ? size : 0;
    if (jint r = refuse_short(env, record, least, 1)) return r;
    const PinnedBytes pin(env, record, least);
    if (!pin) return kRefused;
    platform::clock_source().sleep_ms(kBeforeReceiveWaitMs);
    return call_code([&](ApiFacade& f) { return via::ReceberDigitalUsuario(f, terminal, pin.get(), size); });
}

jint EnviarDigitalUsuario(JNIEnv* env, JavaClass, jint terminal, jstring id, jbyteArray template1,
                          jbyteArray template2) {
    if (id == nullptr || template1 == nullptr) return kRefused;
    if (jint r = refuse_short(env, template1, kFingerprintTemplateSize, 2)) return r;
    if (template2 != nullptr)
        if (jint r = refuse_short(env, template2, kFingerprintTemplateSize, 3)) return r;
    const PinnedString text(env, id);
    const PinnedBytes first(env, template1, kFingerprintTemplateSize);
    if (!text || !first) return kRefused;
    // A null second array: a record with one template.
    const PinnedBytes second(env, template2, kFingerprintTemplateSize);
    if (template2 != nullptr && !second) return kRefused;
    return call_code([&](ApiFacade& f) {
        return via::EnviarDigitalUsuario(f, terminal, text.get(), first.get(),
                                        template2 != nullptr ? second.get() : nullptr);
    });
}

}  // namespace varanda::jni
