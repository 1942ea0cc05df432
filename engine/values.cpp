#include "engine/values.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace engine {

long long RoundHalfEven(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kMax = 9.2e18;
  if (value >= kMax) return std::numeric_limits<long long>::max();
  if (value <= -kMax) return std::numeric_limits<long long>::min();
  const double whole = std::floor(value);
  const double fraction = value - whole;
  long long result = static_cast<long long>(whole);
  if (fraction > 0.5) {
    ++result;
  } else if (fraction == 0.5 && (result % 2) != 0) {
    ++result;
  }
  return result;
}

int16_t ClampToInt16(long long value) {
  if (value > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  if (value < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
  return static_cast<int16_t>(value);
}

int32_t ClampToInt32(long long value) {
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

int16_t ToInt16(double value) { return ClampToInt16(RoundHalfEven(value)); }
int32_t ToInt32(double value) { return ClampToInt32(RoundHalfEven(value)); }

namespace {

// The byte length of the well-formed UTF-8 sequence of more than one byte at
// `text`, 0 when there is none (a stray continuation byte, an overlong form,
// a surrogate, a value past U+10FFFF or a sequence cut short).
std::size_t SequenceLength(const unsigned char* text, std::size_t available) {
  const unsigned char lead = text[0];
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (available < length || text[1] < low || text[1] > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if ((text[i] & 0xC0) != 0x80) return 0;
  return length;
}

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

}  // namespace

std::size_t FitCharacters(std::string_view text, std::size_t characters, char* out) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t size = text.size();
  std::size_t written = 0;
  std::size_t counted = 0;
  std::size_t at = 0;
  for (; counted < characters && at < size; ++counted) {
    if (bytes[at] < 0x80) {
      out[written++] = static_cast<char>(bytes[at++]);
      continue;
    }
    const std::size_t length = SequenceLength(bytes + at, size - at);
    if (length == 0) {
      for (int i = 0; i < 3; ++i) out[written++] = kReplacement[i];
      ++at;
    } else {
      for (std::size_t i = 0; i < length; ++i) out[written++] = static_cast<char>(bytes[at + i]);
      at += length;
    }
  }
  for (; counted < characters; ++counted) out[written++] = ' ';
  return written;
}

std::string PadOrCut(std::string_view text, std::size_t length) {
  std::string out(4 * length, '\0');
  out.resize(FitCharacters(text, length, out.data()));
  return out;
}

std::string_view RTrim(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string_view LTrim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

std::string_view Trim(std::string_view text) { return LTrim(RTrim(text)); }

bool TrimmedEquals(std::string_view a, std::string_view b) { return Trim(a) == Trim(b); }

namespace {

// Drops the zero before the decimal point ("0.5" -> ".5", "-0.5" -> "-.5").
std::string DropLeadingZero(std::string text) {
  const std::size_t start = (!text.empty() && text[0] == '-') ? 1 : 0;
  if (text.size() > start + 1 && text[start] == '0' && text[start + 1] == '.') text.erase(start, 1);
  return text;
}

std::string FormatSignificant(double value, int digits) {
  if (value == 0.0 || std::isnan(value)) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
  return DropLeadingZero(buffer);
}

std::string WithSignBlank(std::string text) {
  if (!text.empty() && text[0] == '-') return text;
  return " " + text;
}

}  // namespace

std::string CStrInteger(long long value) { return std::to_string(value); }
std::string StrInteger(long long value) { return WithSignBlank(CStrInteger(value)); }
std::string CStr(double value) { return FormatSignificant(value, 15); }
std::string Str(double value) { return WithSignBlank(CStr(value)); }
std::string StrSingle(float value) { return WithSignBlank(FormatSignificant(value, 7)); }

namespace {

bool IsIgnoredInNumber(char c) { return c == ' ' || c == '\t' || c == '\n'; }

double RadixWhole(const std::string& digits, int radix) {
  unsigned long long value = 0;
  std::size_t used = 0;
  for (char c : digits) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0 || d >= radix) break;
    value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(d);
    ++used;
    if (value > 0xFFFFFFFFull) return static_cast<double>(value);
  }
  if (used == 0) return 0.0;
  // Like the runtime: values that fit 16 bits read as a 16-bit pattern, else 32 bits.
  if (value <= 0xFFFFull) return static_cast<double>(static_cast<int16_t>(static_cast<uint16_t>(value)));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

}  // namespace

double Val(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsIgnoredInNumber(c)) s.push_back(c);

  if (s.size() >= 2 && s[0] == '&') {
    const char kind = s[1];
    if (kind == 'H' || kind == 'h') return RadixWhole(s.substr(2), 16);
    if (kind == 'O' || kind == 'o') return RadixWhole(s.substr(2), 8);
    return RadixWhole(s.substr(1), 8);
  }

  std::string number;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  bool digits = false;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    number.push_back(s[i++]);
    digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      number.push_back(s[i++]);
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "E";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    bool expDigits = false;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
      exponent.push_back(s[j++]);
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  // A number beyond the range of a double reads as an infinity of its sign
  // (strtod's overflow value): it passes every limit a caller checks, and the
  // saturating conversions bring it to their ends.
  return std::strtod(number.c_str(), nullptr);
}

}  // namespace engine
