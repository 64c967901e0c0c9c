// Records of the collected user lists, from Java: the plain list's record as
// text, the list with fingerprint's identifier area as raw bytes.
#include <algorithm>
#include <vector>

#include "api/facade.h"
#include "jni/int_storage.h"
#include "jni/out_values.h"
#include "jni/string_buffer.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
// How much of a list record class Varanda hands out; com.melbrosa.Varanda
// hands out 16 characters.
constexpr size_t kShortRecordText = 10;
constexpr size_t kRecordText = 16;
// The identifier area: 11 bytes from the record, then 5 zero bytes.
constexpr size_t kIdArea = 16;
constexpr jsize kIdElements = kIdArea / 4;
}  // namespace

jint ReceberUsuarioLista(JNIEnv* env, JavaClass cls, jint terminal, jobject record) {
    if (record == nullptr) return kRefused;
    const StringBufferAppender text(env, record);
    if (!text) return kRefused;
    // The operation copies a whole record of the module's record size: the
    // area takes it, however long, and ends with a zero byte.
    std::vector<uint8_t> area;
    const jint r = call_code([&](ApiFacade& f) {
        const size_t record_size = static_cast<size_t>(std::max<int32_t>(f.list_collection.record_size, 0));
        area.assign(std::max(record_size, kRecordText) + 1, 0);
        return via::ReceberUsuarioLista(f, terminal, area.data());
    });
    if (r != rc::kOk) return r;
    const size_t cut = cls == JavaClass::kVaranda ? kShortRecordText : kRecordText;
    return text.append(reinterpret_cast<const char*>(area.data()), cut) ? r : kRefused;
}

jint ReceberUsuarioComDigital(JNIEnv* env, JavaClass, jintArray id) {
    if (id == nullptr) return kRefused;
    if (jint r = refuse_short(env, id, kIdElements, 0)) return r;
    const PinnedInts pin(env, id, kIdElements);
    if (!pin) return kRefused;
    uint8_t area[kIdArea] = {};
    const jint r = call_code([&](ApiFacade& f) { return via::ReceberUsuarioComDigital(f, area); });
    if (r == rc::kOk) store_bytes(pin.get(), kIdElements, 0, area, kIdArea);
    return r;
}

}  // namespace varanda::jni
