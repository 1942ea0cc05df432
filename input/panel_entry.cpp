#include "input/panel_entry.h"

#include "engine/values.h"

#include <QList>

namespace input {

PanelBoxKind Text1Kind(int index)
{
    return (index >= 0 && index <= 5) || (index >= 9 && index <= 13) ? PanelBoxKind::Number
                                                                     : PanelBoxKind::SignNumber;
}

PanelBoxKind Text2Kind(int index)
{
    return index == 0 || index == 1 || index == 3 ? PanelBoxKind::Number : PanelBoxKind::SignNumber;
}

EntryVerdict CheckPanelEntry(PanelBoxKind kind, const QString &inserted, const QString &wouldBe)
{
    if (inserted.isEmpty())
        return EntryVerdict::Pass;
    if (kind == PanelBoxKind::SignNumber) {
        for (const QChar c : inserted) {
            const char16_t u = c.unicode();
            const bool ok = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
            if (!ok)
                return EntryVerdict::Refuse;
        }
        // Characters as the store counts them: code points (a lone surrogate
        // becomes one U+FFFD).
        return wouldBe.toUcs4().size() > 10 ? EntryVerdict::Refuse : EntryVerdict::Pass;
    }
    for (const QChar c : inserted)
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return EntryVerdict::Refuse;
    // Leading zeros do not count towards the limit.
    return engine::Val(wouldBe.toStdString()) >= 32768.0 ? EntryVerdict::RefuseOverLimit : EntryVerdict::Pass;
}

QString OverLimitTitle()
{
    return QStringLiteral("Invalid input value") + QString(38, QLatin1Char(' ')) + QStringLiteral("Mastra");
}

} // namespace input
