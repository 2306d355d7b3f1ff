#include "ui/RichView.h"

#include "platform/rtfreader.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/qtext.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace tarvenik;
using tarvenik::test::DialogRecorder;
using tarvenik::test::TempFolder;

namespace {

// Every letter of Czech, small and capital, in a title and in body lines.
const QStringList kLines = {
    QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy"),
    QStringLiteral("ě š č ř ž ý á í é ú ů ď ť ň ó"),
    QStringLiteral("Ě Š Č Ř Ž Ý Á Í É Ú Ů Ď Ť Ň Ó"),
    QStringLiteral("Znamení: Štír, živel voda, planeta Pluto"),
};

RichDoc czechText() {
    RichDoc doc;
    CharStyle title;
    title.bold = true;
    title.halfPoints = 28;
    appendLine(doc, fromQ(kLines[0]), title, Alignment::Center);
    for (qsizetype i = 1; i < kLines.size(); ++i) {
        appendLine(doc, fromQ(kLines[i]));
    }
    boldLabels(doc);
    return doc;
}

// What a poppler tool prints; empty when it fails.
QString run(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestSaveText : public QObject {
    Q_OBJECT
private slots:
    void offersRtfThenPdfAndWritesTheChosenFormat() {
        TempFolder dir;
        QWidget window;
        window.setWindowTitle(QStringLiteral("Tarvenik :: Výpis výpočtu"));
        RichView view(&window);
        view.setRichDoc(czechText());
        DialogRecorder dialogs;
        dialogs.fileAnswers = {fromPath(dir / "Beran"), fromPath(dir / "Beran.pdf")};
        saveShownText(&view, view, fromPath(dir.path()) + QLatin1Char('/'));
        saveShownText(&view, view, fromPath(dir.path()) + QLatin1Char('/'));

        const auto asked = dialogs.callsOf(QStringLiteral("saveFile"));
        QCOMPARE(asked.size(), std::size_t{2});
        QCOMPARE(asked[0].caption, QStringLiteral("Uložit jako"));
        QCOMPARE(asked[0].text, fromPath(dir.path()) + QLatin1Char('/')); // a portable copy
        QCOMPARE(asked[0].filters,
                 (QStringList{QStringLiteral("*.rtf (*.rtf)"), QStringLiteral("*.pdf (*.pdf)")}));
        QCOMPARE(dialogs.callsOf(QStringLiteral("message")).size(), std::size_t{0});

        const auto rtf = readRtfFile(dir / "Beran.rtf");
        QVERIFY(rtf);
        QCOMPARE(toQ(plainText(*rtf)).split(QLatin1Char('\n')), kLines);
        QVERIFY(dir.read("Beran.pdf").starts_with("%PDF-"));
    }

    void pdfGivesBackEveryCzechLetterWithItsFontsEmbedded() {
        for (const char* tool : {"pdftotext", "pdffonts", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                QSKIP("poppler-utils is not installed (tools/install-deps installs it)");
            }
        }
        TempFolder dir;
        RichView view;
        view.setRichDoc(czechText());
        QVERIFY(view.savePdf(dir / "text.pdf", QStringLiteral("Tarvenik :: Výpis výpočtu")));
        const QString pdf = fromPath(dir / "text.pdf");

        // In the order the page draws it (-raw): the lines, then the page number.
        const QString text =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), QStringLiteral("-enc"),
                                              QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        QCOMPARE(text, kLines.join(QLatin1Char('\n')) + QStringLiteral("\n1\n\f"));

        // A heading, a line of dashes under each column, then one row per font; the fourth
        // column ("emb") says whether the font is in the file.
        const QString fonts = run(QStringLiteral("pdffonts"), {pdf});
        const QStringList rows = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(rows.size() > 2, qPrintable(fonts));
        QList<qsizetype> starts;
        for (auto it = QRegularExpression(QStringLiteral("-+")).globalMatch(rows[1]);
             it.hasNext();) {
            starts << it.next().capturedStart();
        }
        QVERIFY2(starts.size() > 3, qPrintable(fonts));
        for (const QString& row : rows.mid(2)) {
            QVERIFY2(row.mid(starts[3], 3) == QStringLiteral("yes"), qPrintable(fonts));
        }

        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QStringLiteral("Tarvenik :: Výpis výpočtu")), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("A4")), qPrintable(info));
    }

    void typedNameGetsTheSuffixOfTheChosenFileType() {
        const std::pair<const char*, const char*> cases[] = {
            {"*.rtf (*.rtf)", "rtf"},
            {"*.pdf (*.pdf)", "pdf"},
            {"*.pdf", "pdf"}, // as the dialog reports the file type it shows
            {"Vizitky vCard (*.vcf *.vcard *.VCF)", ""},
            {"Vizitky vCard", ""},
            {"Všechny soubory (*)", ""},
        };
        for (const auto& [filter, suffix] : cases) {
            QCOMPARE(defaultSuffixOf(QString::fromUtf8(filter)), QString::fromUtf8(suffix));
        }
    }

    void failedSaveIsReported() {
        TempFolder dir;
        std::filesystem::create_directory(dir / "Ryby.pdf"); // a folder where the file goes
        RichView view;
        view.setRichDoc(czechText());
        DialogRecorder dialogs;
        dialogs.fileAnswers = {fromPath(dir / "Ryby.pdf")};
        saveShownText(&view, view, fromPath(dir.path()));
        const auto errors = dialogs.callsOf(QStringLiteral("message"));
        QCOMPARE(errors.size(), std::size_t{1});
        QCOMPARE(errors[0].icon, MessageIcon::Error);
        QCOMPARE(errors[0].caption, QStringLiteral("Chyba"));
        QVERIFY(errors[0].text.startsWith(
            QStringLiteral("Soubor %1 nelze uložit: ").arg(fromPath(dir / "Ryby.pdf"))));
        QVERIFY(std::filesystem::is_directory(dir / "Ryby.pdf"));
    }
};

QTEST_MAIN(TestSaveText)
#include "test_savetext.moc"
