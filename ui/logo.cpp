#include "ui/logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tarvenik {

namespace {

QPainterPath star(QPointF centre, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 == 0 ? outer : inner;
        const double a = std::numbers::pi * i / points - std::numbers::pi / 2;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

} // namespace

void paintTarvenikLogo(QPainter& p, double s) {
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s / 2, s / 2);

    // Night sky in a ring.
    QRadialGradient sky(c, s / 2);
    sky.setColorAt(0, QColor(40, 52, 120));
    sky.setColorAt(1, QColor(12, 16, 48));
    p.setBrush(sky);
    p.setPen(QPen(QColor(212, 175, 55), s * 0.035));
    p.drawEllipse(c, s * 0.46, s * 0.46);

    // Twelve small marks of the zodiac ring.
    p.setPen(QPen(QColor(212, 175, 55), s * 0.012));
    for (int i = 0; i < 12; ++i) {
        const double a = 2 * std::numbers::pi * i / 12;
        p.drawLine(QPointF(c.x() + s * 0.36 * std::cos(a), c.y() + s * 0.36 * std::sin(a)),
                   QPointF(c.x() + s * 0.41 * std::cos(a), c.y() + s * 0.41 * std::sin(a)));
    }

    // A crescent moon: a golden disc with a sky-coloured disc over it.
    p.setPen(Qt::NoPen);
    QPainterPath moon;
    moon.addEllipse(QPointF(c.x() - s * 0.06, c.y()), s * 0.22, s * 0.22);
    QPainterPath bite;
    bite.addEllipse(QPointF(c.x() + s * 0.03, c.y() - s * 0.04), s * 0.19, s * 0.19);
    p.setBrush(QColor(245, 210, 90));
    p.drawPath(moon.subtracted(bite));

    // Stars.
    p.setBrush(QColor(255, 244, 200));
    p.drawPath(star(QPointF(c.x() + s * 0.15, c.y() - s * 0.12), s * 0.07, s * 0.028, 5));
    p.drawPath(star(QPointF(c.x() + s * 0.2, c.y() + s * 0.1), s * 0.04, s * 0.016, 5));
    p.drawPath(star(QPointF(c.x() + s * 0.02, c.y() + s * 0.22), s * 0.03, s * 0.012, 5));
}

QImage tarvenikLogo(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    paintTarvenikLogo(p, size);
    return image;
}

QImage tarvenikIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintTarvenikLogo(p, size);
    return image;
}

QImage hourglassPicture(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    p.setPen(QPen(QColor(90, 60, 30), s * 0.08));
    p.drawLine(QPointF(s * 0.2, s * 0.1), QPointF(s * 0.8, s * 0.1));
    p.drawLine(QPointF(s * 0.2, s * 0.9), QPointF(s * 0.8, s * 0.9));
    QPainterPath glass;
    glass.moveTo(s * 0.27, s * 0.14);
    glass.lineTo(s * 0.73, s * 0.14);
    glass.lineTo(s * 0.53, s * 0.5);
    glass.lineTo(s * 0.73, s * 0.86);
    glass.lineTo(s * 0.27, s * 0.86);
    glass.lineTo(s * 0.47, s * 0.5);
    glass.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 90), s * 0.05));
    p.setBrush(QColor(220, 235, 250, 200));
    p.drawPath(glass);
    // Sand: a little left above, a heap below.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 180, 80));
    QPainterPath top;
    top.moveTo(s * 0.36, s * 0.3);
    top.lineTo(s * 0.64, s * 0.3);
    top.lineTo(s * 0.5, s * 0.48);
    top.closeSubpath();
    p.drawPath(top);
    QPainterPath heap;
    heap.moveTo(s * 0.3, s * 0.84);
    heap.lineTo(s * 0.7, s * 0.84);
    heap.lineTo(s * 0.5, s * 0.64);
    heap.closeSubpath();
    p.drawPath(heap);
    return image;
}

} // namespace tarvenik
