// The TLM key file reader: any bytes. Fewer than the key's bytes give no
// block; otherwise the block is filled and its trailer fixed.
#include "extras/tlm_buffer.h"
#include "fuzz_check.h"

using varanda::TlmBuffer;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto block = TlmBuffer::from_key_file(data, size);
    FUZZ_CHECK(block.has_value() == (size >= TlmBuffer::kKeyFileMinSize));
    if (!block) return 0;
    TlmBuffer b;
    b.bytes = *block;
    FUZZ_CHECK(b.filled());
    for (size_t i = 0; i < TlmBuffer::kTrailer.size(); ++i)
        FUZZ_CHECK((*block)[TlmBuffer::kTrailerOffset + i] == TlmBuffer::kTrailer[i]);
    return 0;
}
