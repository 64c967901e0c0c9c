// Texts from a terminal are single bytes; a Java string is made from
// modified UTF-8. Each byte from 0x80 up becomes the two-byte form of the
// character with that code (Latin-1), so that no byte sequence reaches the
// virtual machine that it cannot read.
#pragma once
#include <cstddef>
#include <string>

namespace varanda::jni {

// The text in `area` up to its first zero byte, or `max_length` bytes.
std::string to_modified_utf8(const char* area, size_t max_length);

}  // namespace varanda::jni
