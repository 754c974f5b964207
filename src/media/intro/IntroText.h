// The character set and the scroll greeting of the About window's intro. Shared by the content
// generator (which draws the glyph strip from IntroAlphabet) and by the intro renderer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "CodePage1251.h"

// The intro's characters in glyph order: glyph g of the font strip shows character g. Letters
// follow the keyboard rows, Latin then Russian, small letters before capitals.
inline constexpr std::u32string_view IntroAlphabetUnicode = U" .,:;!?\"%&*/<>$[]()-0123456789"
                                                            U"qwertyuiopasdfghjklzxcvbnm"
                                                            U"QWERTYUIOPASDFGHJKLZXCVBNM"
                                                            U"йцукенгшщзхъфывапролджэячсмитьбюё"
                                                            U"ЙЦУКЕНГШЩЗХЪФЫВАПРОЛДЖЭЯЧСМИТЬБЮЁ";

inline constexpr std::size_t IntroAlphabetSize = 148;
static_assert(IntroAlphabetUnicode.size() == IntroAlphabetSize);

namespace IntroTextDetail {
constexpr std::array<char, IntroAlphabetSize> EncodeAlphabet()
{
    std::array<char, IntroAlphabetSize> bytes {};
    for (std::size_t i = 0; i < IntroAlphabetSize; ++i)
        bytes[i] = char(Cp1251FromUnicode(IntroAlphabetUnicode[i]));
    return bytes;
}
inline constexpr std::array<char, IntroAlphabetSize> AlphabetBytes = EncodeAlphabet();
} // namespace IntroTextDetail

// IntroAlphabet as the program keeps it: 148 bytes of code page 1251.
inline constexpr std::string_view IntroAlphabet(
    IntroTextDetail::AlphabetBytes.data(), IntroTextDetail::AlphabetBytes.size());

// The greeting that scrolls along the bottom of the intro, in code page 1251 (all of it ASCII).
extern const std::string_view IntroGreeting;

// Glyph codes of a code page 1251 text: 1 + the character's position in IntroAlphabet; a
// character that is not in it becomes 1, the blank glyph.
std::vector<std::uint8_t> ConvertText(std::string_view text);
