#pragma once
// The stored-design browser: a tree of the active jobs, their job sections and
// sign positions. The storage dialog, the sign details form and the printing
// dialogs all use this one widget.
//
// Every item carries its exact key parts as item data (JobCodeRole,
// JobSectionRole, SignPosRole, as stored, padding included) and its level
// (LevelRole). The item text and fullPath() are for display and for callers
// that copy the path; nothing parses them to find a key.

#include "database/ui/stored_signs.h"

#include <QTreeWidget>
#include <vector>

namespace database {

// Level of a browser item, as its indent in the outline.
enum BrowserLevel { JobLevel = 1, SectionLevel = 2, SignPositionLevel = 3 };

enum BrowserRole {
    JobCodeRole = Qt::UserRole,
    JobSectionRole,
    SignPosRole,
    LevelRole,
};

class DesignBrowser : public QTreeWidget {
    Q_OBJECT
public:
    explicit DesignBrowser(QWidget *parent = nullptr);

    // Rebuilds the tree from the current database (empty when none is open).
    // Items start collapsed. On a read failure the tree is left empty and the
    // failure returned.
    platform::SqlStatus FillStoredSignsOutline();
    // The same from the given keys, already in order.
    void fill(const std::vector<StoredDesignKey> &keys);
    // Rebuilds only when the stored keys differ from those shown, so that a
    // refresh keeps the engineer's selection and expansion when nothing changed.
    platform::SqlStatus refillIfChanged();

    const std::vector<StoredDesignKey> &keys() const { return keys_; }

    // Level of an item (0 for none).
    static int level(const QTreeWidgetItem *item);
    // The item's key parts as stored; the parts below its level are empty.
    static StoredDesignKey key(const QTreeWidgetItem *item);
    // The parts of the item joined by a backslash, trailing blanks removed.
    static QString fullPath(const QTreeWidgetItem *item);

    // The item of exactly these parts at the given level; null when absent.
    // Parts are compared as stored, or padded to 15 characters.
    QTreeWidgetItem *findItem(const StoredDesignKey &key, int level) const;
    // Number of sign position items.
    int signPositionCount() const;

    // Selects an item as a click does and announces it (itemChosen).
    void chooseItem(QTreeWidgetItem *item);
    // A double click on an item: sign positions are chosen and then activated,
    // jobs and sections open or close.
    void activateItem(QTreeWidgetItem *item);

signals:
    // The engineer picked an item: a click, a keyboard move, chooseItem().
    void itemChosen(QTreeWidgetItem *item);
    // The engineer double-clicked a sign position (or pressed Enter on it);
    // itemChosen has already been emitted for it.
    void signPositionActivated(QTreeWidgetItem *item);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void onSelectionChanged();
    void onClicked(QTreeWidgetItem *item);
    void updateIcon(QTreeWidgetItem *item);

    std::vector<StoredDesignKey> keys_;
    // Set when a press already announced its item through the selection
    // change, so that the click that follows does not announce it twice.
    QTreeWidgetItem *announcedByPress_ = nullptr;
    bool pressing_ = false;
};

} // namespace database
