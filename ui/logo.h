#pragma once
// Tarvenik's own pictures, drawn in code so they scale cleanly and need no files: the
// logo of the about box and the small hourglass of the wait window.

#include <QImage>

namespace tarvenik {

QImage tarvenikLogo(int size);
QImage hourglassPicture(int size);

} // namespace tarvenik
