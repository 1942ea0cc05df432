#include "database/stored_values.h"

#include "engine/values.h"

#include <cmath>
#include <limits>

namespace database {

std::optional<double> StoredNumber(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toDouble();
    case QMetaType::QString: {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        if (ok && std::isfinite(d))
            return d;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

namespace {

template <typename T>
std::optional<T> storedWhole(const QVariant &value)
{
    const std::optional<double> d = StoredNumber(value);
    if (!d || !std::isfinite(*d))
        return std::nullopt;
    // Compare before rounding a value far outside any range.
    if (*d < static_cast<double>(std::numeric_limits<T>::min()) - 1.0 ||
        *d > static_cast<double>(std::numeric_limits<T>::max()) + 1.0)
        return std::nullopt;
    const long long whole = engine::RoundHalfEven(*d);
    if (whole < std::numeric_limits<T>::min() || whole > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(whole);
}

} // namespace

std::optional<int16_t> StoredInt16(const QVariant &value)
{
    return storedWhole<int16_t>(value);
}

std::optional<int32_t> StoredInt32(const QVariant &value)
{
    return storedWhole<int32_t>(value);
}

std::optional<double> StoredLeadingNumber(const QString &text)
{
    // The characters engine::Val skips wherever they stand.
    QString s = text;
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\t'));
    s.remove(QLatin1Char('\n'));
    const auto digitAt = [&s](qsizetype i, int radix) {
        if (i >= s.size())
            return false;
        const char16_t c = s.at(i).unicode();
        int d = radix;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        return d < radix;
    };
    bool starts = false;
    if (s.startsWith(QLatin1Char('&'))) {
        // &H hexadecimal, &O or a bare & octal.
        const QChar kind = s.size() > 1 ? s.at(1).toUpper() : QChar();
        if (kind == QLatin1Char('H'))
            starts = digitAt(2, 16);
        else if (kind == QLatin1Char('O'))
            starts = digitAt(2, 8);
        else
            starts = digitAt(1, 8);
    } else {
        qsizetype i = (s.startsWith(QLatin1Char('+')) || s.startsWith(QLatin1Char('-'))) ? 1 : 0;
        if (i < s.size() && s.at(i) == QLatin1Char('.'))
            ++i;
        starts = digitAt(i, 10);
    }
    if (!starts)
        return std::nullopt;
    return engine::Val(text.toStdString());
}

} // namespace database
