// Runs a reset when the scope ends, however it ends: a prepared block is
// consumed by its send whatever the send's result, even when it throws.
#pragma once
#include <utility>

namespace varanda {

template <class Reset>
class ConsumeOnExit {
public:
    explicit ConsumeOnExit(Reset reset) : reset_(std::move(reset)) {}
    ~ConsumeOnExit() { reset_(); }
    ConsumeOnExit(const ConsumeOnExit&) = delete;
    ConsumeOnExit& operator=(const ConsumeOnExit&) = delete;

private:
    Reset reset_;
};

}  // namespace varanda
