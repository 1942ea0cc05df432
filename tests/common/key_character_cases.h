#pragma once
// Key parts and sign numbers, ASCII and not, at and beyond their lengths:
// what the engineer types and what a key part (15 characters) and a sign
// number (10 characters) keep of it. Texts are UTF-8.

#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

struct KeyCharacterCase {
    const char *name;
    const char *typed;
    const char *asKey;   // its first 15 characters
    const char *asCode;  // its first 10 characters
};

inline const std::vector<KeyCharacterCase> &KeyCharacterCases()
{
    static const std::vector<KeyCharacterCase> cases{
        {"Ascii15", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", "ABCDEFGHIJ"},
        {"Ascii16", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNO", "ABCDEFGHIJ"},
        {"Umlaut15A12", "Brücke-Nord-A12", "Brücke-Nord-A12", "Brücke-Nor"},
        {"Umlaut15A13", "Brücke-Nord-A13", "Brücke-Nord-A13", "Brücke-Nor"},
        {"SharpS10", "Straße-123", "Straße-123", "Straße-123"},
        {"TwoByte11", "ÄÖÜ-ÄÖÜ-ÄÖÜ", "ÄÖÜ-ÄÖÜ-ÄÖÜ", "ÄÖÜ-ÄÖÜ-ÄÖ"},
        {"NonAscii16", "Überführung-Süd1", "Überführung-Süd", "Überführun"},
        {"ThreeByte16", "€€€€€€€€€€€€€€€€", "€€€€€€€€€€€€€€€", "€€€€€€€€€€"},
        {"FourByte16", "🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧", "🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧",
         "🚧🚧🚧🚧🚧🚧🚧🚧🚧🚧"},
        {"FourByteMixed", "N-🚧-Süd", "N-🚧-Süd", "N-🚧-Süd"},
    };
    return cases;
}

// `text` blank-padded to `characters` characters (code points).
inline std::string PaddedToCharacters(const std::string &text, std::size_t characters)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80 ? 1 : 0;
    return text + std::string(characters > count ? characters - count : 0, ' ');
}

inline std::string CaseName(const KeyCharacterCase &c) { return c.name; }

} // namespace testing_support
