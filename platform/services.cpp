#include "platform/services.h"

#include <cstdlib>
#include <vector>

namespace platform {
namespace {

class DefaultMessages final : public MessageService {
public:
    MessageAnswer show(const MessageRequest &request) override { return defaultAnswer(request); }
};

class CancelledChooser final : public FileChooser {
public:
    std::optional<QString> chooseOpenFile(const FileRequest &) override { return std::nullopt; }
};

class ProcessExit final : public ExitService {
public:
    void exitProgram(int code) override
    {
        runBeforeExitHooks();
        std::exit(code);
    }
};

class NoProgress final : public ProgressDisplay {
public:
    void showProgress(int, int) override {}
};

std::vector<void (*)()> &beforeExitHooks()
{
    static std::vector<void (*)()> hooks;
    return hooks;
}

DefaultMessages fallbackMessages;
CancelledChooser fallbackChooser;
ProcessExit fallbackExit;
NoProgress fallbackProgress;

MessageService *installedMessages = nullptr;
FileChooser *installedChooser = nullptr;
ExitService *installedExit = nullptr;
ProgressDisplay *installedProgress = nullptr;

} // namespace

void addBeforeExitHook(void (*hook)())
{
    beforeExitHooks().push_back(hook);
}

void runBeforeExitHooks()
{
    auto &hooks = beforeExitHooks();
    while (!hooks.empty()) {
        auto hook = hooks.back();
        hooks.pop_back();
        hook();
    }
}

MessageAnswer defaultAnswer(const MessageRequest &request)
{
    const int index = request.defaultButton;
    switch (request.buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::OkCancel:
        return index == 2 ? MessageAnswer::Cancel : MessageAnswer::Ok;
    case MessageButtons::AbortRetryIgnore:
        return index == 3 ? MessageAnswer::Ignore : index == 2 ? MessageAnswer::Retry : MessageAnswer::Abort;
    case MessageButtons::YesNoCancel:
        return index == 3 ? MessageAnswer::Cancel : index == 2 ? MessageAnswer::No : MessageAnswer::Yes;
    case MessageButtons::YesNo:
        return index == 2 ? MessageAnswer::No : MessageAnswer::Yes;
    case MessageButtons::RetryCancel:
        return index == 2 ? MessageAnswer::Cancel : MessageAnswer::Retry;
    }
    return MessageAnswer::Ok;
}

MessageService &messages() { return installedMessages ? *installedMessages : fallbackMessages; }
void setMessageService(MessageService *service) { installedMessages = service; }
FileChooser &fileChooser() { return installedChooser ? *installedChooser : fallbackChooser; }
void setFileChooser(FileChooser *chooser) { installedChooser = chooser; }
ExitService &exitService() { return installedExit ? *installedExit : fallbackExit; }
void setExitService(ExitService *service) { installedExit = service; }
ProgressDisplay &progressDisplay() { return installedProgress ? *installedProgress : fallbackProgress; }
void setProgressDisplay(ProgressDisplay *display) { installedProgress = display; }

namespace {
class CancelledPrinterSetup final : public PrinterSetupService {
public:
    bool setUpPrinter(QPrinter &) override { return false; }
};
CancelledPrinterSetup fallbackPrinterSetup;
PrinterSetupService *installedPrinterSetup = nullptr;
} // namespace

PrinterSetupService &printerSetup() { return installedPrinterSetup ? *installedPrinterSetup : fallbackPrinterSetup; }
void setPrinterSetup(PrinterSetupService *service) { installedPrinterSetup = service; }

QString MessageTitle(const QString &words)
{
    return words + QString(18, QLatin1Char(' ')) + QStringLiteral("Mastra");
}

MessageAnswer showMessage(const QString &text, const QString &title, MessageButtons buttons,
                          MessageIcon icon, int defaultButton)
{
    return messages().show(MessageRequest{text, title, buttons, icon, defaultButton});
}

} // namespace platform

void ShowProgress(int Percent, int Mode)
{
    if (Mode < 1 || Mode > 3)
        return;
    platform::progressDisplay().showProgress(Percent, Mode);
}
