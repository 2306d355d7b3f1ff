#pragma once
// Tarvenik's own pictures, drawn in code so they scale cleanly and need no files: the
// logo of the about box (and, drawn by tools/mkicons, the program's icon) and the small
// hourglass of the wait window.

#include <QImage>

class QPainter;

namespace tarvenik {

// The logo over a square of `size`, leaving what lies outside its ring untouched.
void paintTarvenikLogo(QPainter& painter, double size);
// On white, as the about box shows it.
QImage tarvenikLogo(int size);
// Clear around the ring: the program's icon.
QImage tarvenikIcon(int size);
QImage hourglassPicture(int size);

} // namespace tarvenik
