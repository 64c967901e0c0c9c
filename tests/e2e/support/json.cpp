#include "json.h"

#include <nlohmann/json.hpp>

namespace e2e {
namespace {
const nlohmann::json kNull;
}

JsonValue::JsonValue(std::shared_ptr<const nlohmann::json> root, const nlohmann::json* node)
    : root_(std::move(root)), node_(node) {}

JsonValue JsonValue::parse(const std::string& text) {
    auto root = std::make_shared<const nlohmann::json>(nlohmann::json::parse(text, nullptr, false));
    const nlohmann::json* node = root->is_discarded() ? &kNull : root.get();
    return JsonValue(root, node);
}

JsonValue JsonValue::operator[](const std::string& key) const {
    if (!node_->is_object()) return JsonValue(root_, &kNull);
    auto it = node_->find(key);
    return JsonValue(root_, it == node_->end() ? &kNull : &*it);
}

JsonValue JsonValue::operator[](std::size_t index) const {
    const bool inside = node_->is_array() && index < node_->size();
    return JsonValue(root_, inside ? &(*node_)[index] : &kNull);
}

std::size_t JsonValue::size() const { return node_->is_structured() ? node_->size() : 0; }

int64_t JsonValue::num() const { return node_->is_number() ? node_->get<int64_t>() : 0; }

bool JsonValue::boolean() const { return node_->is_boolean() && node_->get<bool>(); }

const std::string& JsonValue::str() const {
    static const std::string empty;
    return node_->is_string() ? node_->get_ref<const std::string&>() : empty;
}

}  // namespace e2e
