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

} // namespace database
