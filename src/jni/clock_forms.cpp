// ReceberRelogio from Java: the six clock bytes as the terminal sent them.
// The second is not cut to 0 above 59, unlike the stdcall form.
#include "api/facade.h"
#include "jni/out_values.h"
#include "jni_custom.h"
#include "schedules/clock.h"

namespace varanda::jni {

jint ReceberRelogio(JNIEnv* env, JavaClass, jint terminal, jintArray clock) {
    return values_always<uint8_t, 6>(env, clock, 1, [&](ApiFacade& f, std::array<uint8_t, 6>& area) {
        return read_clock(f.connection(), terminal, area);
    });
}

}  // namespace varanda::jni
