#pragma once
// The "Warnings and Errors" text box: filled only by the program, never by
// typing. It keeps the text exactly as given (CR LF line ends included) and
// shows it line by line.

#include <QPlainTextEdit>

namespace app {

class WarningsBox final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit WarningsBox(QWidget *parent = nullptr);

    // Replaces the whole content.
    void setWarningsText(const QString &text);
    const QString &warningsText() const { return text_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString text_;
};

} // namespace app
