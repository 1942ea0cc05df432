#pragma once
// Key parts and sign numbers travel between the form's boxes and the records'
// fixed texts. The records hold UTF-8 bytes, so a text is cut at a character
// boundary, never inside one, and padded with blanks to the field's length.

#include "engine/vb.h"

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace input {

// The UTF-8 bytes of `text`, cut to at most `maxBytes` without splitting a
// character.
std::string Utf8Cut(const QString &text, std::size_t maxBytes);

// Stores a box's text into a fixed record text: cut as above, blank-padded.
template <std::size_t N>
void StoreRecordText(engine::FixedText<N> &field, const QString &text)
{
    field = Utf8Cut(text, N);
}

// A fixed record text as a box shows it: only the padding (trailing blanks)
// removed, so a leading blank the engineer typed survives a round trip.
QString ShownRecordText(std::string_view text);

} // namespace input
