#pragma once

// Numbers are kept as the captions of labels. These are the only ways the game turns text
// into numbers and back.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace volna {

// A caption that had to hold a number did not.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The leading decimal number of the text: blanks skipped, optional sign, digits, optional
// fraction and exponent; 0 when the text does not start with a number. A number too large
// for a double reads as an infinity, which every reader of typed input refuses.
double leadingNumber(std::string_view text);

// The whole text, surrounding blanks allowed, as a number; nullopt when it is not one.
std::optional<double> strictNumber(std::string_view text);

// Plain text: no spaces, a point only for a fraction, a minus only when negative, at most 15
// significant digits; an exponent ("1E+20") only where 15 digits cannot show the magnitude.
// Never "inf" or "nan": a non-finite value is clamped to the largest finite one (or 0).
std::string plainText(double value);

// Plain text with one leading space when zero or positive, as numbers appear in messages.
std::string strForm(double value);

// Int: the floor.
double floorInt(double value);

}  // namespace volna
