// A small JSON writer for the state dump: one line, keys in the order written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace corvo::sim {

class Json {
public:
    Json& begin_object() { return open('{'); }
    Json& end_object() { return close('}'); }
    Json& begin_array() { return open('['); }
    Json& end_array() { return close(']'); }
    Json& key(const char* k);
    Json& value(const std::string& s);
    Json& value(const char* s) { return value(std::string(s)); }
    Json& value(int64_t n);
    Json& value(uint64_t n) { return value(static_cast<int64_t>(n)); }
    Json& value(int n) { return value(static_cast<int64_t>(n)); }
    Json& value(unsigned n) { return value(static_cast<int64_t>(n)); }
    Json& value(bool b);
    Json& hex(const uint8_t* data, std::size_t size);  // a string of lower-case hex digits
    Json& hex(const std::vector<uint8_t>& v) { return hex(v.data(), v.size()); }
    template <class K, class V>
    Json& field(K k, V v) {
        key(k);
        return value(v);
    }
    const std::string& str() const { return out_; }

private:
    void separator();
    Json& open(char bracket);
    Json& close(char bracket);
    std::string out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool after_key_ = false;
};

// The text as a JSON string body: bytes outside printable ASCII as \u00XX.
std::string json_escape(const std::string& s);

}  // namespace corvo::sim
