#include "json.h"

#include <cstdlib>

namespace e2e {

class JsonParser {
public:
    explicit JsonParser(const std::string& t) : t_(t) {}
    bool value(JsonValue& v) {
        ws();
        if (i_ >= t_.size()) return false;
        const char c = t_[i_];
        if (c == '{') return object(v);
        if (c == '[') return array(v);
        if (c == '"') {
            v.kind_ = JsonValue::Kind::String;
            return string(v.string_);
        }
        if (t_.compare(i_, 4, "true") == 0) return word(v, 4, true);
        if (t_.compare(i_, 5, "false") == 0) return word(v, 5, false);
        if (t_.compare(i_, 4, "null") == 0) {
            i_ += 4;
            return true;
        }
        const char* start = t_.c_str() + i_;
        char* end = nullptr;
        v.number_ = std::strtod(start, &end);
        if (end == start) return false;
        v.kind_ = JsonValue::Kind::Number;
        i_ += static_cast<std::size_t>(end - start);
        return true;
    }
    bool done() {
        ws();
        return i_ == t_.size();
    }

private:
    void ws() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n' || t_[i_] == '\r' || t_[i_] == '\t')) ++i_;
    }
    bool word(JsonValue& v, std::size_t n, bool b) {
        v.kind_ = JsonValue::Kind::Bool;
        v.bool_ = b;
        i_ += n;
        return true;
    }
    bool string(std::string& out) {
        ++i_;
        while (i_ < t_.size() && t_[i_] != '"') {
            char c = t_[i_++];
            if (c == '\\') {
                if (i_ >= t_.size()) return false;
                const char e = t_[i_++];
                if (e == 'u') {
                    if (i_ + 4 > t_.size()) return false;
                    c = static_cast<char>(std::strtol(t_.substr(i_, 4).c_str(), nullptr, 16));
                    i_ += 4;
                } else {
                    c = e == 'n' ? '\n' : e == 't' ? '\t' : e;
                }
            }
            out += c;
        }
        if (i_ >= t_.size()) return false;
        ++i_;
        return true;
    }
    bool array(JsonValue& v) {
        v.kind_ = JsonValue::Kind::Array;
        ++i_;
        ws();
        if (i_ < t_.size() && t_[i_] == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!value(item)) return false;
            v.items_.push_back(std::move(item));
            ws();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == ']') {
                ++i_;
                return true;
            }
            return false;
        }
    }
    bool object(JsonValue& v) {
        v.kind_ = JsonValue::Kind::Object;
        ++i_;
        ws();
        if (i_ < t_.size() && t_[i_] == '}') {
            ++i_;
            return true;
        }
        for (;;) {
            ws();
            std::string key;
            if (i_ >= t_.size() || t_[i_] != '"' || !string(key)) return false;
            ws();
            if (i_ >= t_.size() || t_[i_] != ':') return false;
            ++i_;
            JsonValue item;
            if (!value(item)) return false;
            v.members_[key] = std::move(item);
            ws();
            if (i_ < t_.size() && t_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < t_.size() && t_[i_] == '}') {
                ++i_;
                return true;
            }
            return false;
        }
    }
    const std::string& t_;
    std::size_t i_ = 0;
};

JsonValue JsonValue::parse(const std::string& text) {
    JsonValue v;
    JsonParser p(text);
    if (!p.value(v) || !p.done()) {
        v = JsonValue();
        v.ok_ = false;
    }
    return v;
}

const JsonValue& JsonValue::operator[](const std::string& key) const {
    static const JsonValue null;
    auto it = members_.find(key);
    return it == members_.end() ? null : it->second;
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    static const JsonValue null;
    return index < items_.size() ? items_[index] : null;
}

std::size_t JsonValue::size() const { return kind_ == Kind::Array ? items_.size() : members_.size(); }

std::vector<std::string> JsonValue::keys() const {
    std::vector<std::string> k;
    for (const auto& [key, v] : members_) k.push_back(key);
    return k;
}

}  // namespace e2e
