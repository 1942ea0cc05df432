#include "database/ui/design_browser.h"

#include "database/database_file.h"
#include "database/design_key.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QList>
#include <QStyle>
#include <algorithm>
#include <optional>

namespace database {
namespace {

// The three pictures of the outline, made once: the style draws each from
// its image files, which costs more than the rest of an item together.
struct BrowserIcons {
    QIcon closed;
    QIcon open;
    QIcon leaf;
};

std::optional<BrowserIcons> &sharedIcons()
{
    static std::optional<BrowserIcons> icons;
    return icons;
}

// Shared by every browser of the run; let go with the application, as
// pictures must not outlive it.
const BrowserIcons &browserIcons(const QWidget &widget)
{
    std::optional<BrowserIcons> &icons = sharedIcons();
    if (!icons) {
        const QStyle *style = widget.style();
        icons = BrowserIcons{style->standardIcon(QStyle::SP_DirClosedIcon), style->standardIcon(QStyle::SP_DirOpenIcon),
                             style->standardIcon(QStyle::SP_FileIcon)};
        qAddPostRoutine([] { sharedIcons().reset(); });
    }
    return *icons;
}

QTreeWidgetItem *newItem(const StoredDesignKey &key, int level, const QIcon &icon)
{
    auto *item = new QTreeWidgetItem;
    item->setIcon(0, icon);
    const QString &text = level == JobLevel ? key.JobCode : level == SectionLevel ? key.JobSection : key.SignPos;
    item->setText(0, WithoutTrailingBlanks(text));
    item->setData(0, JobCodeRole, key.JobCode);
    item->setData(0, JobSectionRole, level >= SectionLevel ? key.JobSection : QString());
    item->setData(0, SignPosRole, level >= SignPositionLevel ? key.SignPos : QString());
    item->setData(0, LevelRole, level);
    return item;
}

bool samePart(const QString &stored, const QString &wanted)
{
    return stored == wanted || stored == PadKey(wanted);
}

// The stored keys of the current database; none when no database is open or
// the read failed.
platform::SqlStatus readActiveKeys(std::vector<StoredDesignKey> &keys)
{
    platform::SqlStatus status;
    if (platform::SqlConnection *db = CurrentDatabase())
        status = ReadActiveStoredSigns(*db, keys);
    if (!status)
        keys.clear();
    return status;
}

} // namespace

DesignBrowser::DesignBrowser(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);  // activateItem toggles, as a picture click does
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &DesignBrowser::onSelectionChanged);
    connect(this, &QTreeWidget::itemClicked, this, &DesignBrowser::onClicked);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &DesignBrowser::activateItem);
    connect(this, &QTreeWidget::itemExpanded, this, &DesignBrowser::updateIcon);
    connect(this, &QTreeWidget::itemCollapsed, this, &DesignBrowser::updateIcon);
}

platform::SqlStatus DesignBrowser::FillStoredSignsOutline()
{
    std::vector<StoredDesignKey> keys;
    const platform::SqlStatus status = readActiveKeys(keys);
    fill(keys);
    return status;
}

platform::SqlStatus DesignBrowser::refillIfChanged()
{
    std::vector<StoredDesignKey> keys;
    const platform::SqlStatus status = readActiveKeys(keys);
    if (!std::equal(keys.begin(), keys.end(), keys_.begin(), keys_.end(), SameKey))
        fill(keys);
    return status;
}

void DesignBrowser::fill(const std::vector<StoredDesignKey> &keys)
{
    announcedByPress_ = nullptr;
    // One paint for the whole list, after it is built: a file holds
    // thousands of designs and the dialogs refill after every change.
    setUpdatesEnabled(false);
    {
        const QSignalBlocker blocker(this);
        clear();
    }
    keys_ = keys;
    const BrowserIcons &icons = browserIcons(*this);
    // The items are built outside the tree and added in one step.
    QList<QTreeWidgetItem *> jobs;
    QTreeWidgetItem *job = nullptr;
    QTreeWidgetItem *section = nullptr;
    const StoredDesignKey *previous = nullptr;
    for (const StoredDesignKey &key : keys_) {
        // A new job item only when the job code changes, a new section item
        // when the section (or the job) changes; parts compare exactly.
        const bool newJob = !previous || previous->JobCode != key.JobCode;
        if (newJob) {
            job = newItem(key, JobLevel, icons.closed);
            jobs.append(job);
        }
        if (newJob || previous->JobSection != key.JobSection) {
            section = newItem(key, SectionLevel, icons.closed);
            job->addChild(section);
        }
        section->addChild(newItem(key, SignPositionLevel, icons.leaf));
        previous = &key;
    }
    addTopLevelItems(jobs);
    setUpdatesEnabled(true);
}

int DesignBrowser::level(const QTreeWidgetItem *item)
{
    return item ? item->data(0, LevelRole).toInt() : 0;
}

StoredDesignKey DesignBrowser::key(const QTreeWidgetItem *item)
{
    if (!item)
        return {};
    return {item->data(0, JobCodeRole).toString(), item->data(0, JobSectionRole).toString(),
            item->data(0, SignPosRole).toString()};
}

QString DesignBrowser::fullPath(const QTreeWidgetItem *item)
{
    const int lvl = level(item);
    if (lvl == 0)
        return {};
    const StoredDesignKey parts = key(item);
    QStringList path{WithoutTrailingBlanks(parts.JobCode)};
    if (lvl >= SectionLevel)
        path << WithoutTrailingBlanks(parts.JobSection);
    if (lvl >= SignPositionLevel)
        path << WithoutTrailingBlanks(parts.SignPos);
    return path.join(QLatin1Char('\\'));
}

QTreeWidgetItem *DesignBrowser::findItem(const StoredDesignKey &wanted, int wantedLevel) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *job = topLevelItem(i);
        if (!samePart(key(job).JobCode, wanted.JobCode))
            continue;
        if (wantedLevel == JobLevel)
            return job;
        for (int j = 0; j < job->childCount(); ++j) {
            QTreeWidgetItem *section = job->child(j);
            if (!samePart(key(section).JobSection, wanted.JobSection))
                continue;
            if (wantedLevel == SectionLevel)
                return section;
            for (int k = 0; k < section->childCount(); ++k)
                if (samePart(key(section->child(k)).SignPos, wanted.SignPos))
                    return section->child(k);
        }
    }
    return nullptr;
}

int DesignBrowser::signPositionCount() const
{
    return static_cast<int>(keys_.size());
}

void DesignBrowser::chooseItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    {
        const QSignalBlocker blocker(this);
        setCurrentItem(item);
    }
    emit itemChosen(item);
}

void DesignBrowser::activateItem(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (level(item) == SignPositionLevel) {
        chooseItem(item);
        emit signPositionActivated(item);
    } else {
        item->setExpanded(!item->isExpanded());
    }
}

void DesignBrowser::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        activateItem(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void DesignBrowser::mousePressEvent(QMouseEvent *event)
{
    pressing_ = true;
    QTreeWidget::mousePressEvent(event);
    pressing_ = false;
}

void DesignBrowser::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);  // emits itemClicked
    announcedByPress_ = nullptr;
}

void DesignBrowser::onSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem *item = selected.front();
    announcedByPress_ = pressing_ ? item : nullptr;
    emit itemChosen(item);
}

void DesignBrowser::onClicked(QTreeWidgetItem *item)
{
    // A click on the item that is already selected still counts: it resets
    // what the dialog shows for it.
    if (item && item != announcedByPress_)
        emit itemChosen(item);
    announcedByPress_ = nullptr;
}

void DesignBrowser::updateIcon(QTreeWidgetItem *item)
{
    const BrowserIcons &icons = browserIcons(*this);
    if (level(item) == SignPositionLevel)
        item->setIcon(0, icons.leaf);
    else
        item->setIcon(0, item->isExpanded() ? icons.open : icons.closed);
}

} // namespace database
