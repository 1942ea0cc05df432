#pragma once
// Record texts as the window shows them. The records hold texts as UTF-8, as
// the store writes and reads them.

#include "engine/values.h"

#include <QString>
#include <string_view>

namespace app {

inline QString RecordText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Without the blanks the stored texts are padded with.
inline QString TrimmedRecordText(std::string_view text) { return RecordText(engine::Trim(text)); }

} // namespace app
