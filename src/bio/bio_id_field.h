// The user identifier inside a fingerprint-module request: text characters,
// right-aligned in a field of the form's width with '0' characters in front.
// Only the first `width` characters of a longer text are used.
#pragma once
#include <cstdint>

#include "bio/bio_id_form.h"

namespace varanda {

enum class BioIdFormKind { Standard, Light, Variable };

int bio_id_width(BioIdFormKind kind);  // 10, 8, 16

// The form the flags choose: light wins over variable, else standard.
// With `variable_counts` false the variable flag is not looked at.
BioIdFormKind choose_bio_id_form(const BioIdForm& flags, bool variable_counts = true);

// Clears the flag of the form (standard clears nothing).
void clear_bio_id_flag(BioIdForm& flags, BioIdFormKind kind);

// A usable identifier text: non-null and non-empty.
bool bio_id_usable(const char* text);

// Writes the field of `width` bytes at `out`.
void write_bio_id_field(uint8_t* out, int width, const char* text);

}  // namespace varanda
