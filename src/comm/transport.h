// What the connection manager asks of a back end. Result values:
// SendData 31 = accepted; ReceiveData / ReceiveDataNoReply 40 = `length`
// answer bytes are in the buffer; Open / OpenModem non-zero = open;
// SendModemString 0 = sent; ReadModemByte the byte or -1. Any other value is a
// failure.
#pragma once
#include <cstdint>

namespace varanda {

namespace transport_result {
inline constexpr int32_t kSent = 31;
inline constexpr int32_t kReceived = 40;
inline constexpr int32_t kFailed = 21;
inline constexpr int32_t kNone = -1;
}  // namespace transport_result

class Transport {
public:
    virtual ~Transport() = default;
    virtual int32_t Open(int32_t port, int32_t baud) = 0;
    virtual int32_t OpenModem(int32_t port, int32_t baud) = 0;
    virtual int32_t SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                             int32_t reserved, uint16_t index) = 0;
    virtual int32_t SendResponse(int32_t terminal, uint8_t response) = 0;
    virtual int32_t ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                int32_t reserved) = 0;
    virtual void* ReceiveDataMagic(int32_t a, int32_t b, int32_t c, int32_t d) = 0;
    virtual int32_t ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                       int32_t reserved) = 0;
    virtual int32_t Close() = 0;
    virtual int32_t SendModemString(const char* text) = 0;
    virtual int32_t ReadModemByte() = 0;
    virtual bool IsAvailable() const = 0;
};

}  // namespace varanda
