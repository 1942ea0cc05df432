#include "input/record_text_entry.h"

#include "database/ui/stored_signs.h"

namespace input {

std::string Utf8Cut(const QString &text, std::size_t maxBytes)
{
    const QByteArray bytes = text.toUtf8();
    std::size_t n = static_cast<std::size_t>(bytes.size());
    if (n <= maxBytes)
        return std::string(bytes.constData(), n);
    n = maxBytes;
    // Step back over continuation bytes (10xxxxxx) to the start of the
    // character that would be split.
    while (n > 0 && (static_cast<unsigned char>(bytes[static_cast<qsizetype>(n)]) & 0xC0) == 0x80)
        --n;
    return std::string(bytes.constData(), n);
}

QString ShownRecordText(std::string_view text)
{
    return database::WithoutTrailingBlanks(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace input
