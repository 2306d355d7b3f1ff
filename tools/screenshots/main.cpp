// Opens each window offscreen and writes one PNG per window (and per page or tab) into
// the folder given on the command line, for looking at what a person sees. The windows
// work on a scratch application folder with a small name-day calendar, so nothing real is
// read or written. Later windows add a line to kShots.
#include "platform/text.h"
#include "ui/Dialogs.h"
#include "ui/UnitHlavni.h"
#include "ui/UnitNastaveni.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

using namespace tarvenik;

namespace {

struct Shot {
    const char* file;
    std::function<QWidget*(TFrmHlavni&)> open; // returns the widget to render
};

bool writeFile(const QString& path, const std::string& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) &&
           f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenik"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir appDir;
    if (!appDir.isValid() || !writeFile(appDir.filePath(QStringLiteral("Svatky.ini")),
                                        encode1250("[Svátky]\r\n8.12.=Květoslava\r\n"))) {
        std::fprintf(stderr, "screenshots: cannot prepare a scratch folder\n");
        return 1;
    }
    DialogRecorder dialogs; // no real dialog may block an offscreen run

    // A fixed moment, so the pictures do not change from run to run.
    const QDateTime moment(QDate(2026, 12, 8), QTime(14, 5, 9));
    TFrmHlavni main(appDir.path(), [moment] { return moment; });
    main.show();
    QApplication::processEvents();

    const Shot shots[] = {
        {"hlavni.png", [](TFrmHlavni& m) { return static_cast<QWidget*>(&m); }},
        {"nastaveni.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmNastaveni(&m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
    };
    int failures = 0;
    for (const Shot& shot : shots) {
        QWidget* w = shot.open(main);
        QApplication::processEvents();
        const QString path = QDir(out).filePath(QString::fromLatin1(shot.file));
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
        if (w != &main) {
            w->close();
        }
    }
    return failures == 0 ? 0 : 1;
}
