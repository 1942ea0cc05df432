#pragma once
// Services the dialogs and the store call instead of reaching for widgets
// directly, so that tests can answer them. The program installs the widget
// implementations (platform/widgets) at start-up; without them, messages are
// answered with their default button, file choices are cancelled and
// progress goes nowhere.

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace platform {

enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    int defaultButton = 1;  // 1, 2 or 3: which button is the default, left to right
};

// The answer a message box gives when the engineer just presses Enter.
MessageAnswer defaultAnswer(const MessageRequest &request);

class MessageService {
public:
    virtual ~MessageService() = default;
    virtual MessageAnswer show(const MessageRequest &request) = 0;
};

struct FileRequest {
    QString title;
    QString filter;         // e.g. "Database (*.mdb)"
    QString initialPath;
    // Added after a dot to a new name chosen without an extension, as save
    // dialogs do, so that the filter shows the file again; e.g. "mdb". A name
    // with an extension, or naming an existing file, is kept as it is.
    QString defaultSuffix;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, which need not exist yet, or nothing when the engineer
    // cancelled.
    virtual std::optional<QString> chooseOpenFile(const FileRequest &request) = 0;
};

class ExitService {
public:
    virtual ~ExitService() = default;
    virtual void exitProgram(int code) = 0;
};

// Work that must be done before the program ends at once through the exit
// service, such as closing the open database while Qt's own registries still
// exist. Hooks run once each, newest first.
void addBeforeExitHook(void (*hook)());
void runBeforeExitHooks();

// Progress modes of ShowProgress.
enum ProgressMode { ProgressStart = 1, ProgressUpdate = 2, ProgressFinish = 3 };

class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void showProgress(int percent, int mode) = 0;
};

// "Print Setup": lets the engineer choose the printer and its settings for
// the print jobs that follow. Returns false when cancelled; a cancel leaves
// the printer's settings as they were. The fallback always cancels.
class PrinterSetupService {
public:
    virtual ~PrinterSetupService() = default;
    virtual bool setUpPrinter(QPrinter &printer) = 0;
};

// The installed services. Setting nullptr restores the fallback.
MessageService &messages();
void setMessageService(MessageService *service);
FileChooser &fileChooser();
void setFileChooser(FileChooser *chooser);
ExitService &exitService();
void setExitService(ExitService *service);
ProgressDisplay &progressDisplay();
void setProgressDisplay(ProgressDisplay *display);
PrinterSetupService &printerSetup();
void setPrinterSetup(PrinterSetupService *service);

// The title of the program's own messages: their words, a run of blanks and
// the product name.
QString MessageTitle(const QString &words);

// Shorthand for the callers: show a message through the installed service.
MessageAnswer showMessage(const QString &text, const QString &title,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None, int defaultButton = 1);

} // namespace platform

// The progress display on the main window's status bar: Mode 1 start,
// 2 update, 3 finish; any other mode changes nothing.
void ShowProgress(int Percent, int Mode);
