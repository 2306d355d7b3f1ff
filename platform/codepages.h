#pragma once
// The single-byte Windows, DOS and ISO code pages that RTF files name through \ansicpg,
// \cpg and a font's \fcharset, and vCard files through CHARSET. Files written on a Czech
// system are mostly Windows-1250, but files from other editors, phones and systems use
// other pages, each decoded by its own table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvenik {

// Code points of the bytes 0x80-0xFF of one code page; U+FFFD marks bytes the page leaves
// unused. Bytes below 0x80 are ASCII in every page here.
using HighHalf = std::array<char32_t, 128>;

// The table of a code page (874, 1250-1258, 437, 850, 852, 866, 10000 Mac Roman, 28591
// ISO-8859-1, 28592 ISO-8859-2), or nullptr for a page this program does not know (the
// double-byte Asian pages among them).
const HighHalf* codePageTable(int codePage);

// The code page of an RTF \fcharset value; 0 when the charset defers to the document's
// \ansicpg (DEFAULT_CHARSET), -1 for a charset without a single-byte page here.
int codePageOfCharset(int charset);

// The code page of a MIME charset name as mail and vCard files write it ("UTF-8",
// "ISO-8859-2", "windows-1250", "CP852"), letter case ignored: kUtf8CodePage for UTF-8 and
// ASCII, -1 for a name without a table here.
inline constexpr int kUtf8CodePage = 65001;
int codePageOfCharsetName(std::string_view name);

// Bytes of a single-byte page -> UTF-8.
std::string decodeCodePage(const HighHalf& table, std::string_view bytes);

} // namespace tarvenik
