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
#include <QFileDialog>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

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
    QTranslator qtCzech; // as the program itself does
    if (qtCzech.load(QLocale(QLocale::Czech), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtCzech);
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

    // A background picture for the main window: a soft evening gradient.
    QImage sample(120, 60, QImage::Format_RGB32);
    for (int y = 0; y < sample.height(); ++y) {
        for (int x = 0; x < sample.width(); ++x) {
            sample.setPixelColor(x, y, QColor(60 + x, 90 + y, 170 + y));
        }
    }
    const QString samplePath = appDir.filePath(QStringLiteral("obloha.png"));
    sample.save(samplePath);

    const Shot shots[] = {
        {"hlavni.png", [](TFrmHlavni& m) { return static_cast<QWidget*>(&m); }},
        {"hlavni_obrazek.png",
         [](TFrmHlavni& m) {
             m.showPicture(QStringLiteral("obloha.png"));
             return static_cast<QWidget*>(&m);
         }},
        {"nastaveni.png",
         [](TFrmHlavni& m) {
             auto* d = new TFrmNastaveni(&m);
             d->setAttribute(Qt::WA_DeleteOnClose);
             d->show();
             return static_cast<QWidget*>(d);
         }},
    };
    int failures = 0;
    auto save = [&](QWidget* w, const char* file) {
        const QString path = QDir(out).filePath(QString::fromLatin1(file));
        if (!w->grab().save(path)) {
            std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    };
    for (const Shot& shot : shots) {
        QWidget* w = shot.open(main);
        QApplication::processEvents();
        save(w, shot.file);
        if (w != &main) {
            w->close();
        }
    }

    // The system's picture dialog with its preview, a picture highlighted.
    QTimer::singleShot(300, [&] {
        if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            d->resize(640, 400);
            d->selectFile(samplePath);
            emit d->currentChanged(samplePath); // the preview follows the highlighted file
            QApplication::processEvents();
            save(d, "obrazek.png");
            d->reject();
        }
    });
    Dialogs* recorder = Dialogs::install(nullptr);
    Dialogs::current().openPicture(&main, appDir.path(), pictureDialogFilters());
    Dialogs::install(recorder);

    return failures == 0 ? 0 : 1;
}
