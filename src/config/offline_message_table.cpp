#include "config/offline_message_table.h"

namespace varanda {

void OfflineMessageTable::reset() {
    format_display_message(slot(kEntrySlot), 1, " Passe o cartao ");
    format_display_message(slot(kExitSlot), 1, "   Entrada OK   ");
    format_display_message(slot(kDefaultSlot), 1, "    Saida OK    ");
    for (int n = kFirstFunctionSlot; n < kSlots; ++n) {
        format_display_message(slot(n), 0, nullptr);
        slot(n)[0] = display_message::kDisabled;
    }
}

}  // namespace varanda
