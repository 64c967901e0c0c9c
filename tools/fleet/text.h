// Texts for messages and JSON lines, safe whatever bytes they hold.
#pragma once
#include <string>

namespace fleet {

// A JSON string literal: quotes and backslashes escaped, any byte outside
// printable ASCII as \u00NN.
std::string json_text(const std::string& text);

// The text for a message: printable ASCII kept, any other byte as \xNN.
std::string printable(const std::string& text);

}  // namespace fleet
