// Online events and the sensor inputs, from Java.
#include "api/facade.h"
#include "jni/out_values.h"
#include "jni_custom.h"
#include "facade_calls.h"

namespace varanda::jni {

namespace {
constexpr size_t kEventValues = 8;  // origin, complement, day, month, year, hour, minute, second

using EventOp = uint8_t (*)(ApiFacade&, int32_t, uint8_t*, uint8_t*, char*, uint8_t*, uint8_t*, uint8_t*,
                            uint8_t*, uint8_t*, uint8_t*);

// Both event forms: the values and the card text (`text_length` characters)
// reach Java only on 0.
template <size_t text_length>
jint receive_event(JNIEnv* env, EventOp receive, jint terminal, jintArray event, jobject card) {
    return values_and_text<kEventValues, text_length>(
        env, event, card, [&](ApiFacade& f, std::array<uint8_t, kEventValues>& v, char* area) {
            return receive(f, terminal, &v[0], &v[1], area, &v[2], &v[3], &v[4], &v[5], &v[6], &v[7]);
        });
}
}  // namespace

jint ReceberDadosOnLine(JNIEnv* env, JavaClass, jint terminal, jintArray event, jobject card) {
    return receive_event<16>(env, &via::ReceberDadosOnLine, terminal, event, card);
}

jint ReceberDadosOnLine2(JNIEnv* env, JavaClass, jint terminal, jintArray event, jobject card) {
    return receive_event<14>(env, &via::ReceberDadosOnLine2, terminal, event, card);
}

jint LerSensoresCorvo(JNIEnv* env, JavaClass, jint terminal, jintArray sensors) {
    return values_always<uint8_t, 3>(env, sensors, 1, [&](ApiFacade& f, std::array<uint8_t, 3>& v) {
        return via::LerSensoresCorvo(f, terminal, &v[0], &v[1], &v[2]);
    });
}

}  // namespace varanda::jni
