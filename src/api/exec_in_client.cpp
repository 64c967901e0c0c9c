#include "platform/system.h"
#include "varanda_ops.h"

namespace varanda::op {

int32_t ExecInClientDLL(int32_t, const char* text, int32_t, int32_t) {
    return platform::message_box(text != nullptr ? text : "", "DLL Message");
}

}  // namespace varanda::op
