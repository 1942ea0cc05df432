#pragma once
// The entry rules of the sign panel boxes. Number boxes take digits only, up
// to a value of 32767 (a larger value is refused with a message); sign number
// boxes take ASCII letters and digits, up to 10 characters in all (code
// points, as the store counts them, whatever their UTF-16 length). Whatever
// way text arrives (typed, pasted, dropped, middle-click, input method) the
// box's would-be text is tested as if the text were typed at once; deleting
// always passes.

#include <QString>

namespace input {

enum class PanelBoxKind { Number, SignNumber };

enum class EntryVerdict { Pass, Refuse, RefuseOverLimit };

// Which kind of box Text1(index) and Text2(index) are.
PanelBoxKind Text1Kind(int index);
PanelBoxKind Text2Kind(int index);

// The verdict on `inserted` turning the box's text into `wouldBe`.
EntryVerdict CheckPanelEntry(PanelBoxKind kind, const QString &inserted, const QString &wouldBe);

// "Invalid input value", 38 blanks and the product name.
QString OverLimitTitle();
inline constexpr const char *OverLimitText = "Input value cannot be bigger than 32767. Please try again";

} // namespace input
