// Users of the Ossel module, from Java.
#include "api/facade.h"
#include "jni/int_storage.h"
#include "jni/out_values.h"
#include "jni/string_buffer.h"
#include "jni_custom.h"
#include "ossel/ossel_blocks.h"
#include "ossel/ossel_id.h"
#include "facade_calls.h"

namespace varanda::jni {

// The value byte reaches the lowest byte of value[0] whatever the result
// (0 unless the summary was read); the record array is the operation's
// buffer; the identifier is appended only on 0.
jint ReceberUsuarioOssel(JNIEnv* env, JavaClass, jint terminal, jbyte mode, jintArray value, jbyteArray record,
                         jobject id) {
    if (value == nullptr || record == nullptr || id == nullptr) return kRefused;
    const StringBufferAppender text(env, id);
    if (!text) return kRefused;
    if (jint r = refuse_short(env, value, 1, 2)) return r;
    if (jint r = refuse_short(env, record, mode == kOsselReadRecord ? kOsselUserRecordSize : 0, 3)) return r;
    const PinnedInts value_pin(env, value, 1);
    const PinnedBytes record_pin(env, record, mode == kOsselReadRecord ? kOsselUserRecordSize : 0);
    if (!value_pin || !record_pin) return kRefused;
    uint8_t v = 0;
    char area[kOsselIdMaxText + 1] = {};
    const jint r = call_code([&](ApiFacade& f) {
        return via::ReceberUsuarioOssel(f, terminal, static_cast<uint8_t>(mode), &v, record_pin.get(), area);
    });
    put_byte(value_pin[0], 0, v);
    if (r != rc::kOk) return r;
    return text.append(area, kOsselIdMaxText) ? r : kRefused;
}

jint ReceberTotalUsuariosOssel(JNIEnv* env, JavaClass, jint terminal, jintArray count) {
    return values_always<int32_t, 1>(env, count, 1, [&](ApiFacade& f, std::array<int32_t, 1>& v) {
        return via::ReceberTotalUsuariosOssel(f, terminal, &v[0]);
    });
}

}  // namespace varanda::jni
