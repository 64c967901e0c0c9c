// The emulator's state dumps read through nlohmann-json; a missing member or
// index reads as null (0, "", false, size 0), so a check on an absent field
// fails on its value rather than ending the test program.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace e2e {

class JsonValue {
public:
    static JsonValue parse(const std::string& text);  // null on a syntax error

    JsonValue operator[](const std::string& key) const;
    JsonValue operator[](std::size_t index) const;
    std::size_t size() const;  // array elements or object members

    int64_t num() const;
    bool boolean() const;
    const std::string& str() const;

private:
    JsonValue(std::shared_ptr<const nlohmann::json> root, const nlohmann::json* node);
    std::shared_ptr<const nlohmann::json> root_;  // keeps the document alive
    const nlohmann::json* node_;
};

}  // namespace e2e
