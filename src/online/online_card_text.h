// The card number of an online event as the host receives it: one character
// per card position, '0'..'9' for a digit value, a zero byte for an empty
// position. The text is not terminated beyond its fixed length.
#pragma once
#include "events/online_event_record.h"

namespace varanda {

// 16 characters: all 16 positions when the record is in its 16-position
// form, else the 14 positions followed by two zero bytes. Values above 9
// (0xFF included) become zero bytes.
void card_text16(const OnlineEventRecord& record, char (&out)[16]);

// 14 characters from the first 14 positions. With `pass_letters` the bytes
// 10..90 pass unchanged (so the characters '0'..'9' and 'A'..'Z' arrive as
// they are) and bytes above 90 become zero bytes; without it every value
// above 9 becomes a zero byte.
void card_text14(const OnlineEventRecord& record, bool pass_letters, char (&out)[14]);

}  // namespace varanda
