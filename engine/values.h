#pragma once
// Small value helpers shared by the whole engine: rounding, fixed-length
// blank-padded texts, 16/32-bit narrowing and number <-> text conversions that
// behave like the forms runtime the stored designs were made with.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace engine {

// The stored flag values: flags are 16-bit integers, -1 true, 0 false.
inline constexpr int16_t FlagTrue = -1;
inline constexpr int16_t FlagFalse = 0;

// Nearest whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Never std::round, which takes halves away from zero. A float
// argument converts to double exactly, so one overload serves both.
long long RoundHalfEven(double value);

// Half-even rounding, then saturation to the 16-bit or 32-bit signed range.
// The runtime would raise an overflow there; saturating keeps the value on the
// nearest representable side instead of wrapping.
int16_t ToInt16(double value);
int32_t ToInt32(double value);
int16_t ClampToInt16(long long value);
int32_t ClampToInt32(long long value);

// Texts are UTF-8 and their lengths count characters (code points), as the
// stored columns' checks do. A byte that does not belong to a well-formed
// sequence is taken as one character and becomes U+FFFD, so a fixed text is
// always well-formed and reads back as the same characters everywhere.

// Writes `text` cut to at most `characters` characters (never inside one) and
// blank-padded to exactly that many into `out`, which holds 4 * `characters`
// bytes; returns the number of bytes written.
std::size_t FitCharacters(std::string_view text, std::size_t characters, char* out);

// A text of exactly N characters, blank-padded on the right. Assigning a
// shorter text pads it, a longer one is cut after its Nth character. Equality
// compares all N characters; use Trimmed()/TrimmedEquals to compare without
// the padding. A fixed-size value: room for N four-byte characters.
template <std::size_t N>
class FixedText {
  static_assert(N > 0 && 4 * N <= 255, "the byte length is kept in one byte");

 public:
  static constexpr std::size_t Length = N;

  FixedText() { Clear(); }
  explicit FixedText(std::string_view text) { Assign(text); }

  FixedText& operator=(std::string_view text) {
    Assign(text);
    return *this;
  }

  void Assign(std::string_view text) {
    bytes_.fill('\0');
    // ASCII, the engine's own texts, is copied here; the first other byte
    // hands the rest to FitCharacters.
    const std::size_t limit = text.size() < N ? text.size() : N;
    std::size_t ascii = 0;
    while (ascii < limit && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    if (ascii > 0) std::memcpy(bytes_.data(), text.data(), ascii);
    std::size_t size = N;
    if (ascii == limit)
      std::memset(bytes_.data() + ascii, ' ', N - ascii);
    else
      size = ascii + FitCharacters(text.substr(ascii), N - ascii, bytes_.data() + ascii);
    size_ = static_cast<std::uint8_t>(size);
  }
  void Clear() {
    bytes_.fill('\0');
    std::memset(bytes_.data(), ' ', N);
    size_ = static_cast<std::uint8_t>(N);
  }

  // All N characters with their padding, as UTF-8.
  std::string_view view() const { return std::string_view(bytes_.data(), size_); }
  std::string str() const { return std::string(view()); }
  // The text without trailing blanks.
  std::string Trimmed() const {
    std::size_t n = size_;
    while (n > 0 && bytes_[n - 1] == ' ') --n;
    return std::string(bytes_.data(), n);
  }
  bool IsBlank() const {
    for (std::size_t i = 0; i < size_; ++i)
      if (bytes_[i] != ' ') return false;
    return true;
  }

  // The bytes past the text are always zero, so comparing all of them
  // compares the texts.
  bool operator==(const FixedText&) const = default;

 private:
  std::array<char, 4 * N> bytes_;
  std::uint8_t size_;
};

// Pads with blanks or cuts to exactly `length` characters, as a fixed text.
std::string PadOrCut(std::string_view text, std::size_t length);

// Blank trimming as the runtime's RTrim, LTrim and Trim (spaces only).
std::string_view RTrim(std::string_view text);
std::string_view LTrim(std::string_view text);
std::string_view Trim(std::string_view text);
// Equal after trimming blanks on both sides of both texts.
bool TrimmedEquals(std::string_view a, std::string_view b);
// InStr(text, part) > 0: `part` occurs somewhere in `text`.
inline bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// Str$: a number as text with a leading blank for values >= 0 and "-" for
// negatives; no trailing ".0"; a leading zero before the point is dropped
// (" .5"). Whole numbers print all digits; double values use up to 15
// significant digits and single values up to 7.
std::string StrInteger(long long value);
std::string Str(double value);
std::string StrSingle(float value);
// The same texts without the leading blank of a non-negative value (CStr).
std::string CStrInteger(long long value);
std::string CStr(double value);

// Val: the number at the start of a text, 0 when there is none. Blanks, tabs
// and line feeds anywhere in the text are ignored; a sign, digits, a decimal
// point and an exponent (E or D) are read; "&H" and "&O" prefixes read
// hexadecimal and octal whole numbers. Reading stops at the first character
// that cannot continue the number. A number beyond the range of a double
// reads as an infinity of its sign, one too small as 0 (or the nearest
// subnormal).
double Val(std::string_view text);

}  // namespace engine
