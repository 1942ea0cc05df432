#include "input/record_text_entry.h"

#include "database/ui/stored_signs.h"

namespace input {

QString ShownRecordText(std::string_view text)
{
    return database::WithoutTrailingBlanks(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace input
