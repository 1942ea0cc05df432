#pragma once
// Installation data of the product's owner, shown by the About box. The
// owner supplies the real names and number; these neutral texts stand in.

#include <QString>

namespace app::product {

inline const QString LongTitle = QStringLiteral("Kelvora Sign Support Design");
inline const QString Owner = QStringLiteral("Road Authority");
inline const QString Branch = QStringLiteral("Engineering Branch");
inline const QString Division = QStringLiteral("Structures Division");
inline const QString ProductNumber = QStringLiteral("0000-000");
// The picture beside the names: a sign on two posts beside a road.
inline constexpr char Picture[] = R"(<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
<rect width="128" height="128" fill="#cfe8ff"/>
<rect y="96" width="128" height="32" fill="#7a9a52"/>
<polygon points="0,128 128,112 128,128" fill="#555"/>
<rect x="38" y="52" width="6" height="56" fill="#8a8a8a"/>
<rect x="84" y="52" width="6" height="56" fill="#8a8a8a"/>
<rect x="20" y="18" width="88" height="44" rx="4" fill="#006b3c" stroke="#fff" stroke-width="3"/>
<rect x="32" y="32" width="64" height="5" fill="#fff"/>
<rect x="32" y="44" width="44" height="5" fill="#fff"/>
</svg>)";

} // namespace app::product
