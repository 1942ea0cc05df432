#include "platform/widgets/widget_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <cstdlib>
#include <vector>

namespace platform {
namespace {

struct ButtonChoice {
    QMessageBox::StandardButton button;
    MessageAnswer answer;
};

std::vector<ButtonChoice> buttonsFor(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {{QMessageBox::Ok, MessageAnswer::Ok}};
    case MessageButtons::OkCancel:
        return {{QMessageBox::Ok, MessageAnswer::Ok}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::AbortRetryIgnore:
        return {{QMessageBox::Abort, MessageAnswer::Abort},
                {QMessageBox::Retry, MessageAnswer::Retry},
                {QMessageBox::Ignore, MessageAnswer::Ignore}};
    case MessageButtons::YesNoCancel:
        return {{QMessageBox::Yes, MessageAnswer::Yes},
                {QMessageBox::No, MessageAnswer::No},
                {QMessageBox::Cancel, MessageAnswer::Cancel}};
    case MessageButtons::YesNo:
        return {{QMessageBox::Yes, MessageAnswer::Yes}, {QMessageBox::No, MessageAnswer::No}};
    case MessageButtons::RetryCancel:
        return {{QMessageBox::Retry, MessageAnswer::Retry}, {QMessageBox::Cancel, MessageAnswer::Cancel}};
    }
    return {{QMessageBox::Ok, MessageAnswer::Ok}};
}

QMessageBox::Icon iconFor(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

// Message texts carry carriage returns as line ends (alone or before a line
// feed); Qt breaks lines only at line feeds.
static QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MessageAnswer QtMessageService::show(const MessageRequest &request)
{
    QMessageBox box(iconFor(request.icon), request.title, displayText(request.text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto choices = buttonsFor(request.buttons);
    for (const auto &choice : choices)
        box.addButton(choice.button);
    const int defaultIndex = request.defaultButton - 1;
    if (defaultIndex >= 0 && defaultIndex < static_cast<int>(choices.size()))
        box.setDefaultButton(choices[static_cast<size_t>(defaultIndex)].button);
    const int result = box.exec();
    for (const auto &choice : choices)
        if (result == choice.button)
            return choice.answer;
    // Closed by the window's own close box: the answer of Escape.
    for (const auto &choice : choices)
        if (choice.answer == MessageAnswer::Cancel || choice.answer == MessageAnswer::No)
            return choice.answer;
    return choices.front().answer;
}

std::optional<QString> QtFileChooser::chooseOpenFile(const FileRequest &request)
{
    // The file opened may also be a new one, which the caller creates: the
    // dialog accepts any name, without the "File not found" check. The
    // system's own open dialogs refuse a name that does not exist, so this
    // is always Qt's dialog.
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialPath, request.filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    // The suffix is added here rather than by the dialog, which would add it
    // to an existing file's name as well and so lead to another file.
    const QFileInfo file(chosen.front());
    if (!request.defaultSuffix.isEmpty() && !file.exists() && !file.fileName().contains(QLatin1Char('.')))
        return chosen.front() + QLatin1Char('.') + request.defaultSuffix;
    return chosen.front();
}

void QtExitService::exitProgram(int code)
{
    // The program ends at once, as the engineer asked; only the registered
    // clean-up (closing the database) runs first.
    runBeforeExitHooks();
    std::exit(code);
}

bool QtPrinterSetup::setUpPrinter(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // Choosing the printer and its settings, not pages to print.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

void installWidgetServices()
{
    static QtPrinterSetup printerSetupService;
    setPrinterSetup(&printerSetupService);
    static QtMessageService messageService;
    static QtFileChooser chooser;
    static QtExitService exitService;
    setMessageService(&messageService);
    setFileChooser(&chooser);
    setExitService(&exitService);
}

} // namespace platform
