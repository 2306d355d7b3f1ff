#pragma once
// Writes a RichDoc as RTF for Windows-1250: one font table entry per family with
// \fcharset238, a colour table, \'hh for the code page's upper half and \uN? for characters
// the code page cannot hold, and one \par per paragraph. The reader reads it back to an
// equal RichDoc; WordPad and LibreOffice read it to the same text.

#include "platform/result.h"
#include "platform/rich.h"

#include <filesystem>
#include <string>

namespace tarvenik {

std::string writeRtf(const RichDoc& doc);

// Writes the file all-or-nothing (platform/atomicfile); an error names the path.
Result<void> writeRtfFile(const std::filesystem::path& path, const RichDoc& doc);

} // namespace tarvenik
