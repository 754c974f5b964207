// A rules document as a word processor saves it: code page 1251, one "Times New Roman" font,
// a centred bold italic title, centred italic headings over justified prose, Cyrillic as \'xx
// escapes and a \u escape with its fallback. Used by the RTF reader's and the help window's tests.
#pragma once

#include <string_view>

inline constexpr std::string_view SampleRulesRtf
    = R"rtf({\rtf1\ansi\ansicpg1251\deff0\deflang1049{\fonttbl{\f0\froman\fprq2\fcharset204{\*\panose
 02020603050405020304}Times New Roman;}}
{\colortbl ;\red0\green0\blue128;}
{\stylesheet{\s0\snext0 Normal;}}
{\info{\title Rules}{\author Corvana}}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1
\pard\qc\b\i\f0\fs36 Corvana\b0\i0\fs24\par
\par
\i About the game.\par
\pard\qj\i0 \'ca\'ee\'f0\'e2\'e0\'ed\'e0 \'97 \'fd\'f2\'ee
 \'ea\'ee\'ec\'ef\'fc\'fe\'f2\'e5\'f0\'ed\'e0\'ff \'e2\'e5\'f0\'f1\'e8\'ff
 \'f1\'f2\'e0\'f0\'e8\'ed\'ed\'ee\'e9 \'e8\'e3\'f0\'fb \'d0\'e5\'e2\'e5\'f0\'f1\'e8.\par
\par
\pard\qc\i The Rules of the game.\par
\pard\qj\i0 \'c8\'e3\'f0\'e0 \'e2\'e5\'e4\'b8\'f2\'f1\'ff \'ed\'e0 \'e4\'ee\'f1\'ea\'e5 8
 \u215? 8 \'e8\'eb\'e8 10 \u215? 10 \'ea\'eb\'e5\'f2\'ee\'ea \'f4\'e8\'f8\'ea\'e0\'ec\'e8
 \'e4\'e2\'f3\'f5 \'f6\'e2\'e5\'f2\'ee\'e2: \'e6\'b8\'eb\'f2\'fb\'ec\'e8 \'e8
 \'e7\'e5\'eb\'b8\'ed\'fb\'ec\'e8.\par
\par
\pard\qc\i The beginning and the order of the game.\par
\pard\qj\i0 \'cf\'e5\'f0\'e2\'fb\'ec\'e8 \'f5\'ee\'e4\'ff\'f2 \'e6\'b8\'eb\'f2\'fb\'e5.
 \'d5\'ee\'e4 \'f1\'ee\'f1\'f2\'ee\'e8\'f2 \'e2 \'f2\'ee\'ec, \'f7\'f2\'ee
 \'e8\'e3\'f0\'ee\'ea \'f1\'f2\'e0\'e2\'e8\'f2 \'f1\'e2\'ee\'fe \'f4\'e8\'f8\'ea\'f3
 \'ed\'e0 \'ef\'f3\'f1\'f2\'f3\'fe \'ea\'eb\'e5\'f2\'ea\'f3 \'f2\'e0\'ea,
 \'f7\'f2\'ee\'e1\'fb \'ec\'e5\'e6\'e4\'f3 \'ed\'e5\'e9 \'e8 \'e4\'f0\'f3\'e3\'ee\'e9
 \'e5\'e3\'ee \'f4\'e8\'f8\'ea\'ee\'e9 \'ee\'ea\'e0\'e7\'e0\'eb\'f1\'ff
 \'ed\'e5\'ef\'f0\'e5\'f0\'fb\'e2\'ed\'fb\'e9 \'f0\'ff\'e4 \'f4\'e8\'f8\'e5\'ea
 \'f1\'ee\'ef\'e5\'f0\'ed\'e8\'ea\'e0; \'e2\'f1\'e5 \'ee\'ed\'e8
 \'ef\'e5\'f0\'e5\'e2\'ee\'f0\'e0\'f7\'e8\'e2\'e0\'fe\'f2\'f1\'ff.\par
\'c5\'f1\'eb\'e8 \'f5\'ee\'e4\'e8\'f2\'fc \'ed\'e5\'ea\'f3\'e4\'e0, \'f5\'ee\'e4
 \'ef\'e5\'f0\'e5\'f5\'ee\'e4\'e8\'f2 \'ea \'f1\'ee\'ef\'e5\'f0\'ed\'e8\'ea\'f3.
 \'c8\'e3\'f0\'e0 \'ea\'ee\'ed\'f7\'e0\'e5\'f2\'f1\'ff, \'ea\'ee\'e3\'e4\'e0 \'ed\'e8
 \'ee\'e4\'e8\'ed \'e8\'e7 \'e8\'e3\'f0\'ee\'ea\'ee\'e2 \'ed\'e5 \'ec\'ee\'e6\'e5\'f2
 \'f1\'e4\'e5\'eb\'e0\'f2\'fc \'f5\'ee\'e4; \'ef\'ee\'e1\'e5\'e6\'e4\'e0\'e5\'f2
 \'f2\'ee\'f2, \'f3 \'ea\'ee\'e3\'ee \'e1\'ee\'eb\'fc\'f8\'e5 \'f4\'e8\'f8\'e5\'ea.\par
\par
\pard\qc\i How to play?\par
\pard\qj\i0 \'d9\'b8\'eb\'ea\'ed\'e8\'f2\'e5 \'ec\'fb\'f8\'fc\'fe \'ef\'ee
 \'ea\'eb\'e5\'f2\'ea\'e5, \'ea\'f3\'e4\'e0 \'f5\'ee\'f2\'e8\'f2\'e5
 \'ef\'ee\'f1\'f2\'e0\'e2\'e8\'f2\'fc \'f4\'e8\'f8\'ea\'f3. \'cf\'f0\'e0\'e2\'e0\'ff
 \'ea\'ed\'ee\'ef\'ea\'e0 \'ef\'ee\'ea\'e0\'e7\'fb\'e2\'e0\'e5\'f2
 \'e2\'ee\'e7\'ec\'ee\'e6\'ed\'fb\'e5 \'f5\'ee\'e4\'fb \'e8
 \'ef\'ee\'f1\'eb\'e5\'e4\'ed\'e8\'e9 \'f5\'ee\'e4. Press \b F3\b0  for a hint,\tab
\b F1\b0  for this text.\line {\ul Undo}: Ctrl+Z.\par
\par
\pard\qc\i Net Game.\par
\pard\qj\i0 \'c4\'eb\'ff \'e8\'e3\'f0\'fb \'ef\'ee \'f1\'e5\'f2\'e8
 \'e2\'fb\'e1\'e5\'f0\'e8\'f2\'e5 \'e2 \'ec\'e5\'ed\'fe Network \'ef\'f3\'ed\'ea\'f2 Call
 \'e8 \'e2\'e2\'e5\'e4\'e8\'f2\'e5 \'e8\'ec\'ff \'ea\'ee\'ec\'ef\'fc\'fe\'f2\'e5\'f0\'e0
 \'f1\'ee\'ef\'e5\'f0\'ed\'e8\'ea\'e0.\par
\par
\pard\qc\b\i Good luck!\par
}
)rtf";
