#pragma once
// Choosing from code in a group of exclusive options, where a value with no
// option of its own must leave the whole group unchecked.

class QButtonGroup;

namespace input {

// Checks the option with `id`; any id not in the group unchecks every option.
// The caller blocks signals when the choice must not count as a click.
void SetGroupChoice(QButtonGroup &group, int id);

// The id of the checked option, or -1 when none is checked.
int GroupChoice(const QButtonGroup &group);

} // namespace input
