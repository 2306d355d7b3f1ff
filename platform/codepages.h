#pragma once
// The single-byte Windows and DOS code pages that RTF files name through \ansicpg, \cpg and
// a font's \fcharset. RTF written on a Czech system is Windows-1250, but files from other
// editors and systems mix in fonts of other scripts, each decoded by its own page.

#include <array>
#include <cstdint>

namespace tarvenik {

// Code points of the bytes 0x80-0xFF of one code page; U+FFFD marks bytes the page leaves
// unused. Bytes below 0x80 are ASCII in every page here.
using HighHalf = std::array<char32_t, 128>;

// The table of a code page (874, 1250-1258, 437, 850, 852, 866, 10000 Mac Roman), or
// nullptr for a page this program does not know (the double-byte Asian pages among them).
const HighHalf* codePageTable(int codePage);

// The code page of an RTF \fcharset value; 0 when the charset defers to the document's
// \ansicpg (DEFAULT_CHARSET), -1 for a charset without a single-byte page here.
int codePageOfCharset(int charset);

} // namespace tarvenik
