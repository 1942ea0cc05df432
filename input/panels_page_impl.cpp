#include "input/panels_page_impl.h"

#include "database/database_file.h"
#include "database/ui/design_browser.h"
#include "database/ui/stored_signs.h"
#include "engine/design_state.h"
#include "engine/values.h"
#include "input/job_key_status.h"
#include "input/panel_entry.h"
#include "input/sign_details_form.h"
#include "input/sign_layout_view.h"
#include "input/slope_page.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace input {
namespace {

enum class BoxArray { None, Text1, Text2, Text4 };

struct BoxRef {
    BoxArray array = BoxArray::None;
    int index = -1;
};

BoxRef FindBox(const Form1 &form, const QObject *object)
{
    for (int i = 0; i < 14; ++i)
        if (form.Text1(i) == object)
            return {BoxArray::Text1, i};
    for (int i = 0; i < 4; ++i)
        if (form.Text2(i) == object)
            return {BoxArray::Text2, i};
    for (int i = 0; i < 3; ++i)
        if (form.Text4(i) == object)
            return {BoxArray::Text4, i};
    return {};
}

QString Shown(const QString &part)
{
    return database::WithoutTrailingBlanks(part);
}

} // namespace

PanelsPageImpl::PanelsPageImpl(Form1 &form) : form_(form)
{
    QGroupBox *frame = form_.Frame3D7();
    auto *layout = qobject_cast<QVBoxLayout *>(frame->layout());
    if (!layout)
        layout = new QVBoxLayout(frame);
    view_ = new SignLayoutView(frame);
    layout->addWidget(view_);
    view_->onRelease = [this](QPointF p) { Frame3D7_MouseUp(p); };
    // The scale and origins are taken from the frame's size: a resized
    // frame is drawn again to fit.
    view_->onResize = [this] { DrawSignLayoutView(); };

    for (int i = 0; i < 14; ++i)
        form_.Text1(i)->installEventFilter(this);
    for (int i = 0; i < 4; ++i)
        form_.Text2(i)->installEventFilter(this);
    for (int i = 0; i < 3; ++i)
        form_.Text4(i)->installEventFilter(this);

    database::DesignBrowser *outline = form_.Outline1();
    connect(outline, &database::DesignBrowser::itemChosen, this, &PanelsPageImpl::Outline1_Click);
    outline->viewport()->installEventFilter(this);
    connect(form_.Timer1(), &QTimer::timeout, this, &PanelsPageImpl::Timer1_Timer);
}

PanelsPageImpl::~PanelsPageImpl()
{
    delete view_.data();
}

// Keys, layout view -------------------------------------------------------

bool PanelsPageImpl::refuseEntry(QLineEdit *box, const QString &inserted, int at)
{
    const BoxRef ref = FindBox(form_, box);
    if (ref.array != BoxArray::Text1 && ref.array != BoxArray::Text2)
        return false;
    const PanelBoxKind kind = ref.array == BoxArray::Text1 ? Text1Kind(ref.index) : Text2Kind(ref.index);
    // The text before the selection (or the place of insertion), the new
    // text, and the text after it: new text replaces a selection.
    const QString text = box->text();
    QString wouldBe;
    if (at >= 0) {
        wouldBe = text.left(at) + inserted + text.mid(at);
    } else if (box->hasSelectedText()) {
        const int start = box->selectionStart();
        wouldBe = text.left(start) + inserted + text.mid(start + box->selectedText().size());
    } else {
        const int cursor = box->cursorPosition();
        wouldBe = text.left(cursor) + inserted + text.mid(cursor);
    }
    const EntryVerdict verdict = CheckPanelEntry(kind, inserted, wouldBe);
    if (verdict == EntryVerdict::RefuseOverLimit)
        form_.showFormMessage(QString::fromLatin1(OverLimitText), OverLimitTitle());
    return verdict != EntryVerdict::Pass;
}

void PanelsPageImpl::pasteChecked(QLineEdit *box)
{
    if (!refuseEntry(box, QApplication::clipboard()->text()))
        box->paste();
}

bool PanelsPageImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == form_.Outline1()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            ++outlinePress_;
        // A double click would undo the toggle its first click made.
        return event->type() == QEvent::MouseButtonDblClick;
    }
    const BoxRef ref = FindBox(form_, watched);
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (ref.array == BoxArray::None || !box)
        return false;

    switch (event->type()) {
    case QEvent::FocusIn:
        box->selectAll();
        return false;
    case QEvent::FocusOut: {
        // The form's own message box or a menu taking the focus is no move
        // to another control.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (ref.array == BoxArray::Text1)
            Text1_LostFocus(ref.index);
        else if (ref.array == BoxArray::Text2)
            Text2_LostFocus(ref.index);
        return false;
    }
    default:
        break;
    }
    if (ref.array == BoxArray::Text4)
        return false;

    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Paste))
            return refuseEntry(box, QApplication::clipboard()->text());
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        if (text.isEmpty())
            return false;  // arrows, Delete and the like
        for (const QChar c : text)
            if (!c.isPrint())
                return false;  // shortcuts (copy, select all)
        return refuseEntry(box, text);
    }
    case QEvent::InputMethod: {
        auto *im = static_cast<QInputMethodEvent *>(event);
        return !im->commitString().isEmpty() && refuseEntry(box, im->commitString());
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasText())
            return false;
        if (refuseEntry(box, drop->mimeData()->text(), box->cursorPositionAt(drop->position().toPoint()))) {
            drop->ignore();
            return true;
        }
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        QClipboard *clipboard = QApplication::clipboard();
        if (mouse->button() != Qt::MiddleButton || !clipboard->supportsSelection())
            return false;
        return refuseEntry(box, clipboard->text(QClipboard::Selection),
                           box->cursorPositionAt(mouse->position().toPoint()));
    }
    case QEvent::ContextMenu: {
        // The box's own menu, its Paste tested first.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        QMenu *menu = box->createStandardContextMenu();
        for (QAction *action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-paste")) {
                disconnect(action, &QAction::triggered, nullptr, nullptr);
                connect(action, &QAction::triggered, box, [this, box] { pasteChecked(box); });
            }
        }
        menu->exec(menuEvent->globalPos());
        delete menu;
        return true;
    }
    default:
        return false;
    }
}

void PanelsPageImpl::Text1_LostFocus(int index)
{
    if (index == 12) {
        QLineEdit *box = form_.Text1(12);
        if (engine::Val(box->text().toStdString()) < 1000.0) {
            form_.showFormMessage(QStringLiteral("The minimum value of Sign Panel Height is 1000.  The value you "
                                                 "entered is replaced with the minimum value of 1000. "),
                                  QStringLiteral("Invalid input value"));
            box->setText(QStringLiteral("1000"));
        }
    }
    form_.CheckSignDataComplete();
    DrawSignLayoutView();
}

void PanelsPageImpl::Text2_LostFocus(int)
{
    form_.CheckSignDataComplete();
    DrawSignLayoutView();
}

void PanelsPageImpl::DrawSignLayoutView()
{
    if (!view_)
        return;
    const LayoutSize frame = view_->sizeInTwips();
    // Captions follow from the counts; measure them, then place the labels.
    std::array<LayoutSize, 4> sizes{};
    SignLayoutScene scene = BuildSignLayoutScene(form_.WorkingDesign(), frame.width, frame.height, sizes);
    for (std::size_t i = 0; i < 4; ++i)
        sizes[i] = view_->labelSize(scene.labels[i].caption);
    scene = BuildSignLayoutScene(form_.WorkingDesign(), frame.width, frame.height, sizes);
    view_->setScene(scene);
}

void PanelsPageImpl::Frame3D7_MouseUp(QPointF twips)
{
    if (!view_)
        return;
    const float x = static_cast<float>(twips.x());
    const float y = static_cast<float>(twips.y());
    const int label = HitSignLabel(view_->scene(), x, y);
    if (label >= 0) {
        Label2_Click(label);
        return;
    }
    const int shape = HitSignShape(view_->scene(), x, y);
    if (shape >= 0)
        form_.SSIndexTab3()->setCurrentIndex(SignPageOfSlot(shape));
}

void PanelsPageImpl::Label2_Click(int index)
{
    form_.SSIndexTab3()->setCurrentIndex(SignPageOfSlot(index));
}

// Directory and key status -----------------------------------------------

void PanelsPageImpl::FillDesignDirectory()
{
    std::vector<database::StoredDesignKey> keys;
    if (platform::SqlConnection *db = database::CurrentDatabase()) {
        if (!database::ReadAllStoredSigns(*db, keys).ok())
            keys.clear();
    }
    lastPicked_ = nullptr;
    form_.Outline1()->fill(keys);
}

void PanelsPageImpl::Outline1_Click(QTreeWidgetItem *item)
{
    // One press picks once, though the browser may announce it on the press
    // and again on the click that ends it.
    if (item && item == lastPicked_ && outlinePress_ == lastPickPress_ && outlinePress_ != 0)
        return;
    lastPicked_ = item;
    lastPickPress_ = outlinePress_;
    Form1Variables &v = form_.variables();
    v.DirectoryPicking = true;
    const int level = database::DesignBrowser::level(item);
    // The parts as stored, only their padding removed: a backslash or a
    // leading blank is part of the key.
    const database::StoredDesignKey key = database::DesignBrowser::key(item);
    switch (level) {
    case 0:
        for (int i = 0; i < 3; ++i)
            form_.Text4(i)->setText(QString());
        break;
    case database::JobLevel:
        form_.Text4(0)->setText(Shown(key.JobCode));
        form_.Text4(1)->setText(QString());
        form_.Text4(2)->setText(QString());
        Outline1_PictureClick(item);
        break;
    case database::SectionLevel:
        form_.Text4(0)->setText(Shown(key.JobCode));
        form_.Text4(1)->setText(Shown(key.JobSection));
        form_.Text4(2)->setText(QString());
        Outline1_PictureClick(item);
        break;
    case database::SignPositionLevel:
        form_.Text4(0)->setText(Shown(key.JobCode));
        form_.Text4(1)->setText(Shown(key.JobSection));
        form_.Text4(2)->setText(Shown(key.SignPos));
        break;
    default:
        break;
    }
    v.DirectoryPicking = false;
    UpdateJobStatus();
}

void PanelsPageImpl::Outline1_PictureClick(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (database::DesignBrowser::level(item) == database::SignPositionLevel) {
        // Guarded: the pick announces the item again.
        if (form_.Outline1()->currentItem() != item)
            form_.Outline1()->chooseItem(item);
        return;
    }
    item->setExpanded(!item->isExpanded());
}

void PanelsPageImpl::setStatusColour(int32_t colour)
{
    statusColour_ = colour;
    QFrame *panel = form_.Panel3D8(4);
    QPalette palette = panel->palette();
    const auto v = static_cast<uint32_t>(colour);
    palette.setColor(QPalette::Window, QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                                              static_cast<int>((v >> 16) & 0xFF)));
    panel->setPalette(palette);
}

void PanelsPageImpl::UpdateJobStatus()
{
    const JobKeyStatus status =
        ProbeJobKeyStatus(database::CurrentDatabase(), form_.WorkingDesign(), form_.designState().CurrentDesign);
    for (int i = 0; i < 4; ++i)
        form_.Label3(i)->setText(status.captions[static_cast<std::size_t>(i)]);
    QTimer *timer = form_.Timer1();
    if (status.flashing) {
        // Starting leaves the colour to the first tick.
        if (!timer->isActive())
            timer->start();
    } else {
        timer->stop();
        setStatusColour(StatusDarkGreen);
    }
}

void PanelsPageImpl::Timer1_Timer()
{
    setStatusColour(statusColour_ == StatusRed ? StatusDarkGreen : StatusRed);
}

// Page navigation ----------------------------------------------------------

void PanelsPageImpl::SSIndexTab1_Click(int)
{
    QTabWidget *tabs = form_.SSIndexTab1();
    QPushButton *next = form_.Command1(2);
    QPushButton *previous = form_.Command1(3);
    switch (tabs->currentIndex()) {
    case JobDetailsPage: {
        // A key of blanks counts as entered here.
        bool entered = true;
        for (int i = 0; i < 3; ++i)
            if (form_.Text4(i)->text().isEmpty())
                entered = false;
        next->setEnabled(entered);
        // Only the tabs: the pages' controls stay usable, as "Next >>>"
        // still reaches them while the key is being typed.
        tabs->tabBar()->setTabEnabled(RoadsideSlopePage, entered);
        tabs->tabBar()->setTabEnabled(SignPanelsPage, entered);
        previous->setEnabled(false);
        break;
    }
    case RoadsideSlopePage:
        next->setEnabled(true);
        previous->setEnabled(true);
        break;
    case SignPanelsPage: {
        if (!form_.slopePage().SegmentsTotalWithinLimit()) {
            form_.showFormMessage(QStringLiteral("The total segments length cannot be bigger than 32767.  Please "
                                                 "adjust some slope segment length."),
                                  QStringLiteral("Invalid input") + QString(43, QLatin1Char(' ')) +
                                      QStringLiteral("Mastra"));
            form_.setMainPage(RoadsideSlopePage);
            return;
        }
        next->setEnabled(false);
        previous->setEnabled(true);
        Form1Variables &v = form_.variables();
        if (v.JustActivated) {
            v.JustActivated = false;
            form_.selectOption(OptionArray::Option3D2, v.FrontSignCount);
            form_.selectOption(OptionArray::Option3D3, v.BackSignCount);
            if (v.WorkingDesign.NumFrontSigns == 0 && v.WorkingDesign.NumBackSigns == 0)
                form_.selectOption(OptionArray::Option3D2, 1);
        }
        break;
    }
    default:
        break;
    }
}

} // namespace input
