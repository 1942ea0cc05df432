#include "input/notes_dialog.h"

#include "database/ui/dialog_support.h"
#include "engine/design_state.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace input {

QString NotesForEditing(const std::string &stored)
{
    QString text = QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string NotesForStoring(const QString &edited)
{
    // The printed notes page splits lines at CR LF; a bare LF would lose a
    // character there.
    QString text = edited;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}

Notes::Notes(engine::DesignState &state, QWidget *parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("Notes"));
    setWindowTitle(QStringLiteral("Notes"));

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setTabChangesFocus(true);

    // No default button: Enter in the text starts a new line.
    ok_ = new QPushButton(QStringLiteral("Ok"), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setAutoDefault(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("Cancel"));
    cancel_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &Notes::Ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    resize(560, 320);

    text_->setPlainText(NotesForEditing(state_.CurrentDesign.Notes));
    // As the editor gives it back, which for a few characters (a lone CR, a
    // no-break space) is not what it was given: only an edit is a change.
    shown_ = text_->toPlainText();
    text_->setFocus();
}

void Notes::Ok()
{
    const QString edited = text_->toPlainText();
    if (edited != shown_) {
        const std::string stored = NotesForStoring(edited);
        if (stored != state_.CurrentDesign.Notes) {
            state_.CurrentDesign.Notes = stored;
            // An unsaved change, so leaving the design asks to save it; the
            // notes do not affect the structure.
            state_.DesignChanged = engine::FlagTrue;
        }
    }
    accept();
}

void ShowNotesDialog(engine::DesignState &state, QWidget *parent)
{
    auto *dialog = new Notes(state, parent);
    database::CentreOnScreen(dialog);
    dialog->exec();
    delete dialog;
}

} // namespace input
