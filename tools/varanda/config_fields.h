// The terminal's 50-byte configuration record by readable names: each field
// read from a record image, written into one, and set in the SDK through its
// setters (the SDK sends the record only whole).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "varanda_record.h"

namespace vtool {

class Session;

constexpr int kRecordSize = VARANDA_CFG_SIZE;

struct ConfigField {
    std::string key;
    std::string values;            // the allowed values, for `config keys`
    std::vector<int> bytes;        // the record bytes it occupies
    std::function<std::string(const uint8_t*)> get;
    std::function<bool(const std::string&, uint8_t*)> put;  // false: not an allowed value, image unchanged
    std::function<uint8_t(Session&, const uint8_t*)> apply;  // the setters that make the SDK's record match the image
};

const std::vector<ConfigField>& config_fields();
const ConfigField* find_config_field(const std::string& key);

// The key owning a record byte, or "" (reserved bytes).
std::string config_key_of_byte(int byte);

}  // namespace vtool
