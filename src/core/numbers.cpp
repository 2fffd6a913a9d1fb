#include "core/numbers.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace volna {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the number that starts at text[0] (sign, digits, fraction, exponent), or 0.
std::size_t numberLength(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && isDigit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && isDigit(t[j])) {
      while (j < t.size() && isDigit(t[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Decimal conversion that ignores whatever locale the toolkit has set.
double toDouble(std::string_view number) {
  static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  std::string s(number);
  return strtod_l(s.c_str(), nullptr, c);
}

std::string_view trimBlanks(std::string_view t) {
  while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
  while (!t.empty() && isBlank(t.back())) t.remove_suffix(1);
  return t;
}

std::string format(double value) {
  if (value == 0) return "0";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
  // buf is "d.dddddddddddddde±XX": fifteen significant digits and a decimal exponent.
  std::string digits;
  const char* p = buf;
  for (; *p != 'e'; ++p)
    if (isDigit(*p)) digits += *p;
  int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  if (exponent >= 15 || exponent < -15) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return out + e;
  }
  if (exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    return out + digits;
  }
  const auto intDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= intDigits) return out + digits + std::string(intDigits - digits.size(), '0');
  return out + digits.substr(0, intDigits) + "." + digits.substr(intDigits);
}

}  // namespace

double leadingNumber(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  const std::size_t n = numberLength(text);
  return n ? toDouble(text.substr(0, n)) : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
  text = trimBlanks(text);
  const std::size_t n = numberLength(text);
  if (n == 0 || n != text.size()) return std::nullopt;
  const double v = toDouble(text);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::string plainText(double value) {
  if (std::isnan(value)) return "0";
  const double largest = std::numeric_limits<double>::max();
  if (std::isinf(value)) value = value < 0 ? -largest : largest;
  std::string s = format(value);
  // Rounding to fifteen digits can carry past the largest double; such text would read
  // back as an infinity, so the largest value is written rounded down instead.
  if (std::isinf(toDouble(s))) return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
  return s;
}

std::string strForm(double value) {
  const std::string s = plainText(value);
  return s[0] == '-' ? s : " " + s;
}

double floorInt(double value) { return std::floor(value); }

}  // namespace volna
