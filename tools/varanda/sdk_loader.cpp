#include "sdk.h"

#include "library.h"

namespace vtool {

std::string Sdk::load() {
    static hostkit::Library& lib = *new hostkit::Library;  // never closed: the SDK stays loaded until the tool ends
    const std::string file = hostkit::library_file("Varanda", "varanda");
    if (!lib.open(file)) return "cannot load the SDK (" + file + "): put it beside the tool or on the library search path";
    std::string missing;
#define VTOOL_LOOKUP(op)                                                 \
    op = lib.function<decltype(op)>(#op);                                \
    if (op == nullptr) missing += (missing.empty() ? std::string() : ", ") + #op;
    VTOOL_OPERATIONS(VTOOL_LOOKUP)
#undef VTOOL_LOOKUP
    if (!missing.empty()) return file + " lacks " + missing;
    return {};
}

}  // namespace vtool
