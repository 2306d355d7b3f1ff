#pragma once
// Reads RTF as WordPad, Word and LibreOffice write it into a RichDoc: the text of the
// document body with bold, italic, underline, size, colour, font and paragraph alignment.
// Everything else (pictures, objects, fields' instructions, headers, style sheets, tables'
// layout) is skipped; a table's cells come out as one paragraph each.
//
// The reader never recurses and runs in time linear in the input: deep nesting, unbalanced
// braces, a cut-off file or a \bin longer than the file end the document where the damage
// is, keeping what was read before it.

#include "platform/result.h"
#include "platform/rich.h"

#include <filesystem>
#include <string_view>

namespace tarvenik {

// The document in `bytes`; an error (naming the offset) only when the bytes do not start
// as RTF ("{\rtf" after optional blanks and a UTF-8 byte-order mark).
Result<RichDoc> readRtf(std::string_view bytes);

// The same over a file; an error names the path. A file above kMaxShownTextBytes is
// refused unread, since laying out such a text would freeze the view for minutes. A file
// that ends before the document's closing brace is refused as cut off: a text the program
// ships is always whole, and half of it shown without a word reads as the whole text.
Result<RichDoc> readRtfFile(const std::filesystem::path& path);

} // namespace tarvenik
