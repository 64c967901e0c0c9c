#include "online/printer_message.h"

namespace varanda {

PrinterMessage::PrinterMessage(const char* text, uint8_t marker) {
    bytes.fill(' ');
    if (text != nullptr) {
        for (int i = 0; i < kTextWidth && text[i] != '\0'; ++i) bytes[i] = static_cast<uint8_t>(text[i]);
    }
    bytes[kTextWidth] = marker;
}

}  // namespace varanda
