#include "app/stand_in_dialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <array>

namespace app {
namespace {

void showDialog(const QString &caption, const QString &text, QWidget *parent)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(caption);
    auto *layout = new QVBoxLayout(&dialog);
    if (!text.isEmpty())
        layout->addWidget(new QLabel(text, &dialog));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.exec();
}

} // namespace

void ShowPrintSelectionStandIn(int printFormType, QWidget *parent)
{
    static const std::array<QString, 3> kinds{QStringLiteral("Design Forms"), QStringLiteral("Order Forms"),
                                              QStringLiteral("Summary Form")};
    const QString kind = printFormType >= 0 && printFormType < 3 ? kinds[static_cast<size_t>(printFormType)]
                                                                  : QString::number(printFormType);
    showDialog(QStringLiteral("Print Job Selection Form"), kind, parent);
}

} // namespace app
