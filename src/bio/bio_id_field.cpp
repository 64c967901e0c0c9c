#include "bio/bio_id_field.h"

#include <cstring>

namespace varanda {

int bio_id_width(BioIdFormKind kind) {
    switch (kind) {
        case BioIdFormKind::Light: return 8;
        case BioIdFormKind::Variable: return 16;
        case BioIdFormKind::Standard: break;
    }
    return 10;
}

BioIdFormKind choose_bio_id_form(const BioIdForm& flags, bool variable_counts) {
    if (flags.light != 0) return BioIdFormKind::Light;
    if (variable_counts && flags.variable != 0) return BioIdFormKind::Variable;
    return BioIdFormKind::Standard;
}

void clear_bio_id_flag(BioIdForm& flags, BioIdFormKind kind) {
    if (kind == BioIdFormKind::Light) flags.light = 0;
    if (kind == BioIdFormKind::Variable) flags.variable = 0;
}

bool bio_id_usable(const char* text) { return text != nullptr && text[0] != '\0'; }

void write_bio_id_field(uint8_t* out, int width, const char* text) {
    const size_t len = strnlen(text, static_cast<size_t>(width));
    const size_t pad = static_cast<size_t>(width) - len;
    std::memset(out, '0', pad);
    std::memcpy(out + pad, text, len);
}

}  // namespace varanda
