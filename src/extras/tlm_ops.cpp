// PreencherBufferTLM, EnviarBufferTLM, EnviarCriptografiaTLM.
#include <fstream>

#include "comm/connection_manager.h"
#include "extras/tlm_buffer.h"
#include "varanda_ops.h"

namespace varanda::op {

uint8_t PreencherBufferTLM(TlmBuffer& tlm, const char* path) {
    if (path == nullptr) return rc::kFailed;
    // Only the first bytes of the file carry the key; read just those, so
    // that neither a short nor a huge file is read past its use.
    uint8_t head[TlmBuffer::kKeyFileMinSize];
    std::ifstream file(path, std::ios::binary);
    if (!file) return rc::kFailed;
    file.read(reinterpret_cast<char*>(head), sizeof head);
    const auto got = static_cast<size_t>(file.gcount());
    const auto block = TlmBuffer::from_key_file(head, got);
    if (!block) return rc::kFailed;
    tlm.bytes = *block;
    return rc::kOk;
}

uint8_t EnviarBufferTLM(ConnectionManager& connection, TlmBuffer& tlm, int32_t terminal) {
    if (!tlm.filled()) return rc::kFailed;
    return connection.SendCommand(terminal, tlm.bytes.data(), TlmBuffer::kCommand, TlmBuffer::kSize);
}

uint8_t EnviarCriptografiaTLM(ConnectionManager& connection, int32_t terminal, uint8_t* block) {
    if (block == nullptr) return rc::bad_arg(1);
    return connection.SendCommand(terminal, block, TlmBuffer::kCommand, TlmBuffer::kSize);
}

}  // namespace varanda::op
