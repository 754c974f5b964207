// Reads a Rich Text Format document (the rules shown in the help window) into paragraphs of
// styled text. Plain C++ so it can be tested on bytes; RtfTextDocument turns the result into a
// Qt text document.
//
// Only what a rules text needs is kept: paragraphs with their alignment, bold, italic, underline,
// size and font of each run, and the text decoded to Unicode. Everything else (colours, styles,
// pictures, document information) is read past. Malformed input never crashes or stalls the
// reader: it keeps what it could read and says why it stopped.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Result.h"

enum class RtfAlignment { Left, Centre, Right, Justify };

struct RtfCharFormat {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24; // \fs, in half points; RTF's default is 12 pt
    int Font = -1; // \f index into the font table; -1: the document's default font
    bool operator==(const RtfCharFormat&) const = default;
};

struct RtfRun {
    RtfCharFormat Format;
    std::string Text; // UTF-8; tabs as '\t', \line as U+2028
};

struct RtfParagraph {
    RtfAlignment Alignment = RtfAlignment::Left;
    std::vector<RtfRun> Runs; // neighbouring runs always differ in format
    std::string PlainText() const;
};

enum class RtfFontFamily { Nil, Roman, Swiss, Modern, Script, Decor, Tech, Bidi };

struct RtfFont {
    int Index = 0;
    std::string Name;
    RtfFontFamily Family = RtfFontFamily::Nil;
    int Charset = -1; // \fcharset; -1 when the table does not say
};

struct RtfDocument {
    std::vector<RtfParagraph> Paragraphs;
    std::vector<RtfFont> Fonts;
    int DefaultFont = 0; // \deff
    // Set (Damaged) when the input was malformed and only partly read: the first fault, with its
    // byte offset. What was read before it is kept above.
    std::optional<Error> Problem;

    // The font of a run (-1 meaning the default font), or nullptr when the table lacks it.
    const RtfFont* FindFont(int index) const;
};

// Groups nested deeper than this end the reading: no real document comes near it, and the
// group stack stays small whatever the input.
constexpr int MaxRtfGroupDepth = 128;

RtfDocument ParseRtf(std::span<const std::uint8_t> rtf);
RtfDocument ParseRtf(std::string_view rtf);
