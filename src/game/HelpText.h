// Corvana's keys and commands, and what it offers beyond the rules of the game: written once
// here, shown in the Help window after the rules in the reader's language, and listed again by
// the README's key table and the manual page, which a test keeps in step with this one.
#pragma once

#include <span>

class QTextDocument;

// A row of the key table: the keys, as the README writes them ("F2, Ctrl+N"), and what they do.
// Both are texts of the context "Help", translated where they are shown.
struct HelpKey {
    const char* Keys;
    const char* What;
};
std::span<const HelpKey> HelpKeys();

// A part of what Corvana has beyond the rules: a title and its paragraph.
struct HelpTopic {
    const char* Title;
    const char* Text;
};
std::span<const HelpTopic> HelpTopics();

// Adds the key table and the topics after what document holds, translated, in the look of the
// rules: centred italic headings, the keys in bold.
void AppendProgramHelp(QTextDocument& document);
