// The lists of users without fingerprint: adding entries and sending.
#include <algorithm>
#include <vector>

#include "bio/no_fingerprint_tables.h"
#include "comm/connection_manager.h"
#include "bio/no_fingerprint_entry.h"
#include "varanda_ops.h"
#include "wire/byte_order.h"
#include "wire/terminal_commands.h"

namespace varanda::op {

namespace {
// A null, empty or too long identifier, or a full list: nothing added.
constexpr ReturnCode kEntryRefused = 128;
using T = NoFingerprintTables;
constexpr int32_t kList250Command = wire::command::kBioNoFingerprint250;
constexpr int32_t kList500Command = wire::command::kBioNoFingerprint;
constexpr int32_t kList8000Command = wire::command::kBioNoFingerprint;
constexpr uint8_t kFixedHeader[2] = {0xFA, 0x02};

// Adds a 5-byte entry at the shared count's index of `table`.
uint8_t add_bcd_entry(NoFingerprintTables& t, uint8_t* table, int capacity, const char* id) {
    if (id == nullptr || id[0] == '\0') return kEntryRefused;
    if (t.count < 0 || t.count >= capacity) return kEntryRefused;
    uint8_t entry[kBcdEntrySize];
    if (!encode_bcd_entry(id, entry)) return kEntryRefused;
    std::copy(entry, entry + kBcdEntrySize, table + t.count * kBcdEntrySize);
    ++t.count;
    return rc::kOk;
}

// The entries in use of the 8000-entry table, in index order.
std::vector<uint8_t> entries8000(const NoFingerprintTables& t, size_t header) {
    const int n = t.count < 0 ? 0 : (t.count > T::kCapacity8000 ? T::kCapacity8000 : t.count);
    std::vector<uint8_t> message(header + static_cast<size_t>(n) * kHexEntrySize);
    std::copy_n(t.table8000.begin(), static_cast<size_t>(n) * kHexEntrySize, message.begin() + header);
    return message;
}
}  // namespace

uint8_t IncluirUsuarioSemDigitalBio(NoFingerprintTables& no_fingerprint, const char* id) {
    return add_bcd_entry(no_fingerprint, no_fingerprint.table250.data(), T::kCapacity250, id);
}

uint8_t IncluirUsuarioSemDigitalBio500(NoFingerprintTables& no_fingerprint, const char* id) {
    return add_bcd_entry(no_fingerprint, no_fingerprint.table500.data(), T::kCapacity500, id);
}

uint8_t EnviarListaUsuariosSemDigitalBio(ConnectionManager& connection, NoFingerprintTables& no_fingerprint,
                                         int32_t terminal) {
    T& t = no_fingerprint;
    std::vector<uint8_t> message(1 + t.table250.size());
    message[0] = static_cast<uint8_t>(t.count & 0xFF);
    std::copy(t.table250.begin(), t.table250.end(), message.begin() + 1);
    const ReturnCode r =
        connection.SendCommand(terminal, message.data(), kList250Command, static_cast<int32_t>(message.size()));
    if (r == rc::kOk) t.reset250();
    return r;
}

uint8_t EnviarListaUsuariosSemDigitalBio500(ConnectionManager& connection, NoFingerprintTables& no_fingerprint,
                                            int32_t terminal) {
    T& t = no_fingerprint;
    std::vector<uint8_t> message(2 + t.table500.size());
    message[0] = static_cast<uint8_t>(t.count & 0xFF);
    message[1] = t.count > 255 ? 1 : 0;
    std::copy(t.table500.begin(), t.table500.end(), message.begin() + 2);
    const ReturnCode r =
        connection.SendCommand(terminal, message.data(), kList500Command, static_cast<int32_t>(message.size()));
    if (r == rc::kOk) t.reset500();
    return r;
}

uint8_t IncluirUsuarioSemDigitalBioCorvoAcesso(NoFingerprintTables& no_fingerprint, const char* id) {
    if (id == nullptr) return kEntryRefused;
    if (id[0] == '\0') return rc::kException;
    T& t = no_fingerprint;
    if (t.count < 0 || t.count >= T::kCapacity8000) return kEntryRefused;
    uint8_t entry[kHexEntrySize];
    if (!encode_hex_entry(id, entry)) return kEntryRefused;
    std::copy(entry, entry + kHexEntrySize, t.table8000.begin() + t.count * kHexEntrySize);
    ++t.count;
    return rc::kOk;
}

uint8_t EnviarListaUsuariosSemDigitalBioCorvoAcesso(ConnectionManager& connection,
                                                    NoFingerprintTables& no_fingerprint, int32_t terminal) {
    std::vector<uint8_t> message = entries8000(no_fingerprint, 2);
    message[0] = kFixedHeader[0];
    message[1] = kFixedHeader[1];
    const ReturnCode r =
        connection.SendCommand(terminal, message.data(), kList8000Command, static_cast<int32_t>(message.size()));
    if (r == rc::kOk) no_fingerprint.reset8000();
    return r;
}

uint8_t EnviarListaUsuariosSemDigitalBioVariavel(ConnectionManager& connection, NoFingerprintTables& no_fingerprint,
                                                 int32_t terminal, int32_t) {
    std::vector<uint8_t> message = entries8000(no_fingerprint, 2);
    const size_t length = message.size();  // at most 64,002: two bytes hold it
    wire::put_u16_be(message.data(), static_cast<uint16_t>(length));
    const ReturnCode r =
        connection.SendCommand(terminal, message.data(), kList8000Command, static_cast<int32_t>(length));
    if (r == rc::kOk) no_fingerprint.reset8000();
    no_fingerprint.count = 0;
    return r;
}

}  // namespace varanda::op
