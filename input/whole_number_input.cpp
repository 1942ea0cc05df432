#include "input/whole_number_input.h"

#include "platform/services.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace input {

std::optional<int> StoredWholeNumber(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        // Checked at every digit, so a long text cannot overflow.
        if (value > MaxStoredWhole)
            return std::nullopt;
    }
    return value;
}

void AcceptDigitsOnly(QLineEdit *box)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    box->setValidator(new QRegularExpressionValidator(digits, box));
}

QString InvalidInputTitle()
{
    // The usual title puts 18 blanks before the product name; this one 78.
    return QStringLiteral("Invalid input value") + QString(78, QLatin1Char(' ')) + QStringLiteral("Mastra");
}

void ShowInvalidInput(const QString &text)
{
    platform::showMessage(text, InvalidInputTitle(), platform::MessageButtons::Ok, platform::MessageIcon::Exclamation);
}

void ShowDatabaseFailure(const QString &caption, const QString &databaseText)
{
    platform::showMessage(databaseText, platform::MessageTitle(caption), platform::MessageButtons::Ok,
                          platform::MessageIcon::Exclamation);
}

} // namespace input
