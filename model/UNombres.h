// Numbers as a person types them: in a field of a condition dialog or in the
// value of a scenario line.  Both read the same numbers the same way.
//
// Leading blanks are skipped, one explicit '+' is accepted as a spreadsheet
// writes it, and a French writer's decimal comma is read as the decimal
// point; nothing may follow the number, not even a blank.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vasco {

// A real: decimals and an optional exponent.  NaN and infinities are not
// numbers.  A number too large for any real comes back infinite with its
// sign, so that every range check refuses it; one too small comes back as a
// zero of its sign, which is what it is worth to the model.
std::optional<long double> LireReel(std::string_view texte);

// A whole number; one beyond 64 bits comes back as the largest of its sign,
// so that the range checks refuse it.
std::optional<int64_t> LireEntier(std::string_view texte);

// A whole number from min to max written in decimal digits only: no sign, no
// blank, no more than 18 digits.  The strict form of the numbers a program
// reads from its command line and a game file from its header.
std::optional<int64_t> EntierStrict(std::string_view texte, int64_t min, int64_t max);

// A number with nine significant digits, as printf's "%.9g" writes it: enough
// for a 32-bit float to be read back the same.  The extended overload rounds
// from all the bits of its argument, so that a figure computed in extended
// precision may differ in its ninth digit from its double's.
std::string NeufChiffres(double v);
std::string NeufChiffres(long double v);

} // namespace vasco
