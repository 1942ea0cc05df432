#pragma once
// Reading numbers from stored columns. A file changed by other programs may
// hold NULL or text where a number belongs; such a value reads as "none" and
// the caller falls back to its default instead of failing.

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

namespace database {

// The number a column holds: integers and reals as they are, text when it
// reads wholly as a number (blanks around it allowed); NULL, blobs and other
// text give none.
std::optional<double> StoredNumber(const QVariant &value);

// The number rounded to a whole one, halves to the even neighbour; none when
// it is no number or lies outside the 16-bit (32-bit) signed range.
std::optional<int16_t> StoredInt16(const QVariant &value);
std::optional<int32_t> StoredInt32(const QVariant &value);

// The number at the start of a text, read as typed numbers are read
// (engine::Val: blanks skipped, reading stops at the first character that
// cannot continue the number); none when the text does not start with one.
std::optional<double> StoredLeadingNumber(const QString &text);

} // namespace database
