#pragma once
// The services as the engineer meets them: QMessageBox, QFileDialog and the
// application's own exit. The program installs them once at start-up.

#include "platform/services.h"

namespace platform {

class QtMessageService final : public MessageService {
public:
    MessageAnswer show(const MessageRequest &request) override;
};

class QtFileChooser final : public FileChooser {
public:
    std::optional<QString> chooseOpenFile(const FileRequest &request) override;
};

class QtExitService final : public ExitService {
public:
    void exitProgram(int code) override;
};

// The system's print dialog in its set-up form.
class QtPrinterSetup final : public PrinterSetupService {
public:
    bool setUpPrinter(QPrinter &printer) override;
};

// Installs the services above for the rest of the run.
void installWidgetServices();

} // namespace platform
