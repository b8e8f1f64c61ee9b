// Text to number and number to text, the same on every machine whatever its
// locale.
//
// A number is written: optional blanks, an optional sign, decimal digits with
// an optional decimal point (digits on at least one side of it), an optional
// exponent (e or E, an optional sign, digits), optional blanks. Every text
// that passes EstNumerique converts to a double without error.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Arithmetique.h"

namespace Runtime {

// Decimal digits, a minus sign first when negative, no blank.
std::string VersTexte(std::int32_t n);

// True when the text is a number; the empty text is none.
Booleen EstNumerique(std::string_view texte);

// The value of a numeric text. A text that is no number raises the type error.
double VersDouble(std::string_view texte);

// The value of a numeric text as a 16-bit integer, rounded halves to even.
std::int16_t VersEntier16(std::string_view texte);

}  // namespace Runtime
