#pragma once
// Key parts are stored blank-padded to 15 characters, as the records hold them,
// and matched with `=` against a bound parameter padded the same way; never LIKE.

#include "engine/values.h"
#include "platform/sql.h"

#include <QString>
#include <string>

namespace database {

inline constexpr int DesignKeyLength = 15;

// A key part as stored: cut to 15 characters, or blank-padded on the right,
// exactly as the record's fixed text holds it. Characters are code points, as
// the columns' checks count them (a QString counts UTF-16 units).
inline QString PadKey(const std::string &part)
{
    return QString::fromStdString(engine::PadOrCut(part, DesignKeyLength));
}

inline QString PadKey(const QString &part)
{
    return PadKey(part.toStdString());
}

inline QString PadKey(const char *part)
{
    return PadKey(std::string(part));
}

// A key part as shown: the stored padding (trailing blanks) removed.
inline QString WithoutTrailingBlanks(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

// A key part as the engineer typed it, cut as the store keeps it: what
// messages about a key show.
inline QString ShownKeyPart(const QString &part)
{
    return WithoutTrailingBlanks(PadKey(part));
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
