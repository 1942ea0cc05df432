#pragma once
// Key parts are stored blank-padded to 15 characters, as the records hold them,
// and matched with `=` against a bound parameter padded the same way; never LIKE.

#include "engine/vb.h"
#include "platform/sql.h"

#include <QString>
#include <string>

namespace database {

inline constexpr int DesignKeyLength = 15;

// A key part as stored: cut to 15 characters, or blank-padded on the right.
inline QString PadKey(const QString &part)
{
    return part.left(DesignKeyLength).leftJustified(DesignKeyLength, QLatin1Char(' '));
}

// The same for a record's text (UTF-8).
inline QString PadKey(const std::string &part)
{
    return PadKey(QString::fromStdString(part));
}

inline QString PadKey(const char *part)
{
    return PadKey(QString::fromUtf8(part));
}

// A record's fixed-length key field.
template <std::size_t N>
QString PadKey(const engine::FixedText<N> &part)
{
    return PadKey(part.str());
}

// The condition that selects one design's rows; bind the three padded parts
// in this order with BindDesignKey.
inline constexpr const char *DesignKeyCondition = "Job_Code = ? AND Job_Section = ? AND Sign_Pos = ?";

// The condition that selects one job's rows.
inline constexpr const char *JobKeyCondition = "Job_Code = ?";

inline platform::SqlStatement &BindDesignKey(platform::SqlStatement &statement, const QString &jobCode,
                                             const QString &jobSection, const QString &signPos)
{
    return statement.bind(PadKey(jobCode)).bind(PadKey(jobSection)).bind(PadKey(signPos));
}

inline QVariantList DesignKeyParams(const QString &jobCode, const QString &jobSection, const QString &signPos)
{
    return {PadKey(jobCode), PadKey(jobSection), PadKey(signPos)};
}

} // namespace database
