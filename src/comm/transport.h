// What the connection manager asks of a back end. Each variant translates
// its back end's answers where it calls it: Open / OpenModem Done when the
// port opened; SendData Done when the terminal took it;
// ReceiveData / ReceiveDataNoReply Done when `length` answer bytes are in the
// buffer; SendModemString Done when the text went out. ReadModemByte gives
// the byte read, or kNoModemByte.
#pragma once
#include <cstdint>

namespace varanda {

enum class TransportResult : uint8_t { Done, Failed };
inline constexpr int32_t kNoModemByte = -1;

inline TransportResult done_if(bool ok) { return ok ? TransportResult::Done : TransportResult::Failed; }

class Transport {
public:
    virtual ~Transport() = default;
    virtual TransportResult Open(int32_t port, int32_t baud) = 0;
    virtual TransportResult OpenModem(int32_t port, int32_t baud) = 0;
    virtual TransportResult SendData(int32_t terminal, const uint8_t* data, int32_t command, int32_t length,
                                     int32_t reserved, uint16_t index) = 0;
    virtual TransportResult ReceiveData(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                        int32_t reserved) = 0;
    virtual TransportResult ReceiveDataNoReply(int32_t terminal, uint8_t* buffer, int32_t command, int32_t length,
                                               int32_t reserved) = 0;
    virtual void Close() = 0;
    virtual TransportResult SendModemString(const char* text) = 0;
    virtual int32_t ReadModemByte() = 0;
    virtual bool IsAvailable() const = 0;
};

}  // namespace varanda
