// Handlers for a block the terminal keeps as it came, in a field of its own
// (an array of the block's length, or an optional one), and hands back as is.
#pragma once
#include <algorithm>

#include "sim/bank.h"

namespace corvo::sim {

template <auto Field>
link::Reply keep_block(Terminal& t, TerminalBank&, const link::Request& r) {
    auto& field = t.*Field;
    auto& to = [&]() -> auto& {
        if constexpr (requires { field.emplace(); })
            return field.emplace();
        else
            return field;
    }();
    std::copy_n(r.payload.begin(), std::min(r.payload.size(), to.size()), to.begin());
    return link::Reply::accepted();
}

template <auto Field>
link::Reply give_block(Terminal& t, TerminalBank&, const link::Request&) {
    return link::Reply::answer(Bytes((t.*Field).begin(), (t.*Field).end()));
}

}  // namespace corvo::sim
