// What a failed exchange means, found out the way a technician would: the
// SDK answers 1 for every failed exchange, so the tool looks at the
// connection itself: the terminal map, the host, the TCP port, the serial
// device, and whether the terminal answers a ping at all.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "args.h"

namespace vtool {

struct Where {
    std::string text;   // "127.0.0.1:3000", "/dev/ttyS3"
    std::string fault;  // what is wrong before any terminal is reached, "" when nothing
};

// Where terminal `t` is reached and what is wrong on the way there.
Where locate(const Options& o, int32_t t);

// The words for a failed exchange (code 1) with terminal `t`; `ping` asks the
// terminal whether it answers at all (0 when it does).
std::string diagnose(const Options& o, int32_t t, const std::function<uint8_t()>& ping);

}  // namespace vtool
