#pragma once
// The text markup of the ".text" sources (see content/README.md): one line is one
// paragraph; "# " a centred bold 14 pt title, "## " a bold 10 pt subheading, "**…**" bold
// inside a line, anything else 10 pt body text.

#include "platform/rich.h"
#include "tools/mkdata/sources.h"

#include <string_view>

namespace tarvenik::mkdata {

RichDoc parseMarkup(std::string_view utf8, Problems& problems);

} // namespace tarvenik::mkdata
