// Turns a parsed RTF document into a Qt text document for the help window's text box. The text
// goes in as text with character formats, never as HTML, so nothing in the document is markup.
#pragma once

#include <QFont>
#include <QTextDocument>

#include "RtfDocument.h"

// The font for a font table entry: its family name with a generic fallback from its RTF family,
// so that "Times New Roman" comes out as a serif face on a desktop without that font.
QFont RtfFontFor(const RtfFont* font);

// Replaces the content of target by the paragraphs of rtf. The document's own font (used where a
// run names no font) is that of the RTF default font, a serif face when the table has none.
void FillTextDocument(QTextDocument& target, const RtfDocument& rtf);
