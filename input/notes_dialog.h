#pragma once
// The notes dialog: the free-text notes of the open design.

#include <QDialog>
#include <QString>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace engine {
struct DesignState;
}

namespace input {

// Notes as stored (lines ended by CR LF) shown as editor text (LF), and back.
QString NotesForEditing(const std::string &stored);
std::string NotesForStoring(const QString &edited);

// Notes, "Notes". Edits CurrentDesign.Notes directly: Ok writes a changed
// text back with CR LF line ends and marks the design changed; an unchanged
// text, Cancel and the close box leave the notes and the flags alone.
class Notes final : public QDialog {
    Q_OBJECT
public:
    explicit Notes(engine::DesignState &state, QWidget *parent = nullptr);

    QPlainTextEdit *text() const { return text_; }
    QPushButton *okButton() const { return ok_; }
    QPushButton *cancelButton() const { return cancel_; }

    void Ok();

private:
    engine::DesignState &state_;
    QPlainTextEdit *text_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QString shown_;  // the text as filled in, to tell an edit
};

// Makes the dialog, shows it modally over `parent` and deletes it.
void ShowNotesDialog(engine::DesignState &state, QWidget *parent);

} // namespace input
