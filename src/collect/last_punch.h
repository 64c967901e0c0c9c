// The identifier of the last punch delivered, kept per terminal number, so
// that a punch that a terminal offers twice is recognised while terminals
// collected in turn do not mistake each other's punches for repeats.
#pragma once
#include <array>
#include <cstdint>
#include <map>

namespace varanda {

struct LastPunch {
    using Id = std::array<uint8_t, 2>;

    // True when `id` equals the last one delivered by `terminal`. A terminal
    // that has delivered nothing yet has no last identifier.
    bool is_repeat(int32_t terminal, const Id& id) const {
        const auto it = by_terminal.find(terminal);
        return it != by_terminal.end() && it->second == id;
    }
    void remember(int32_t terminal, const Id& id) { by_terminal[terminal] = id; }

    std::map<int32_t, Id> by_terminal;
};

}  // namespace varanda
