// The intro's scroll greeting and the conversion of texts to glyph codes.
#include "IntroText.h"

// The About window shows it translated (context "TAboutBox"), in the letters the intro has.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// Only characters of IntroAlphabet: no apostrophes, hence the spaced-out wording.
const std::string_view IntroGreeting = QT_TRANSLATE_NOOP("TAboutBox",
    "RESPECTED USERS ! Thank you for choosing Corvana, the game of Reversi for the Linux "
    "desktop. Challenge the computer on nine levels, play a friend at the same table or call "
    "one over the network. Try the Flame, Classic and Ancient discs. We wish you clever moves "
    "and many happy victories ! ");

std::vector<std::uint8_t> ConvertText(std::string_view text)
{
    std::vector<std::uint8_t> codes;
    codes.reserve(text.size());
    for (char c : text) {
        const std::size_t at = IntroAlphabet.find(c);
        codes.push_back(at == std::string_view::npos ? 1 : std::uint8_t(at + 1));
    }
    return codes;
}
