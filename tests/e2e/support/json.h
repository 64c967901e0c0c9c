// A small JSON reader for the emulator's state dumps.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace e2e {

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    static JsonValue parse(const std::string& text);  // Null on a syntax error; ok() tells

    Kind kind() const { return kind_; }
    bool ok() const { return ok_; }
    bool is_null() const { return kind_ == Kind::Null; }

    // Members by key or index; a Null value when absent.
    const JsonValue& operator[](const std::string& key) const;
    const JsonValue& operator[](std::size_t index) const;
    std::size_t size() const;  // array elements or object members

    int64_t num() const { return static_cast<int64_t>(number_); }
    bool boolean() const { return bool_; }
    const std::string& str() const { return string_; }
    std::vector<std::string> keys() const;

private:
    friend class JsonParser;
    Kind kind_ = Kind::Null;
    bool ok_ = true;
    bool bool_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<JsonValue> items_;
    std::map<std::string, JsonValue> members_;
};

}  // namespace e2e
