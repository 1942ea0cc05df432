#include "input/group_choice.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace input {

void SetGroupChoice(QButtonGroup &group, int id)
{
    if (QAbstractButton *button = group.button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked option.
    const bool exclusive = group.exclusive();
    group.setExclusive(false);
    for (QAbstractButton *button : group.buttons())
        button->setChecked(false);
    group.setExclusive(exclusive);
}

int GroupChoice(const QButtonGroup &group)
{
    return group.checkedId();
}

} // namespace input
