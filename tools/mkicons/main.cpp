// Build step: the program's icon in the freedesktop hicolor layout, drawn by the same code
// as the about box's logo.
//
//   mkicons FOLDER NAME  ->  FOLDER/hicolor/NxN/apps/NAME.png for each size a desktop
//                            asks for, and FOLDER/hicolor/scalable/apps/NAME.svg
#include "ui/logo.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

bool writeSvg(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Tarvenik"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    tarvenik::paintTarvenikLogo(painter, kSvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkicons FOLDER NAME\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/hicolor"));
    const QString name = QString::fromLocal8Bit(argv[2]);

    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString file =
            out.filePath(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
        if (!out.mkpath(folder) || !tarvenik::tarvenikIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    const QString svg =
        out.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg"));
    if (!out.mkpath(QStringLiteral("scalable/apps")) || !writeSvg(svg)) {
        std::fprintf(stderr, "mkicons: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
