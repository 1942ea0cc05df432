#pragma once
// Key parts and sign numbers travel between the form's boxes and the records'
// fixed texts. A fixed text holds its length in characters, so what a box
// shows up to that length is what is stored, cut between characters and
// padded with blanks.

#include "engine/values.h"

#include <QString>
#include <cstddef>
#include <string_view>

namespace input {

// Stores a box's text into a fixed record text: its first N characters,
// blank-padded to N.
template <std::size_t N>
void StoreRecordText(engine::FixedText<N> &field, const QString &text)
{
    field = text.toStdString();
}

// A fixed record text as a box shows it: only the padding (trailing blanks)
// removed, so a leading blank the engineer typed survives a round trip.
QString ShownRecordText(std::string_view text);

} // namespace input
