#include "ui/RichView.h"

#include "platform/rtfreader.h"
#include "tests/tempfolder.h"
#include "ui/qtext.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTest>
#include <QTextBlock>

using namespace tarvenik;

namespace {

// A card as the windows write them: a centred bold title, labelled lines, a grey source.
RichDoc sampleCard() {
    RichDoc doc;
    CharStyle title;
    title.bold = true;
    title.halfPoints = 28;
    appendLine(doc, "Beran", title, Alignment::Center);
    appendLine(doc, "");
    appendLine(doc, "Datum narození: 21.3.1990");
    appendLine(doc, "Živel: oheň\tplanetou je Mars");
    boldLabels(doc);
    CharStyle source;
    source.halfPoints = 16;
    source.color = kSilver;
    appendLine(doc, "    Zdroj: lidová tradice", source);
    return doc;
}

QTextFragment firstFragment(const QTextBlock& block) {
    return block.begin().fragment();
}

} // namespace

class TestRichView : public QObject {
    Q_OBJECT
private slots:
    void showsAlignmentSizesBoldAndColours() {
        RichView view;
        view.setRichDoc(sampleCard());
        const QTextDocument* d = view.document();
        QCOMPARE(d->blockCount(), 5);

        const QTextBlock title = d->findBlockByNumber(0);
        QVERIFY(title.blockFormat().alignment() & Qt::AlignHCenter);
        QCOMPARE(firstFragment(title).text(), QStringLiteral("Beran"));
        QCOMPARE(firstFragment(title).charFormat().fontPointSize(), 14.0);
        QCOMPARE(firstFragment(title).charFormat().fontWeight(), int(QFont::Bold));

        const QTextBlock label = d->findBlockByNumber(2);
        QCOMPARE(firstFragment(label).text(), QStringLiteral("Datum narození:"));
        QCOMPARE(firstFragment(label).charFormat().fontWeight(), int(QFont::Bold));
        auto rest = label.begin();
        ++rest;
        QCOMPARE(rest.fragment().text(), QStringLiteral(" 21.3.1990"));
        QCOMPARE(rest.fragment().charFormat().fontWeight(), int(QFont::Normal));

        const QTextCharFormat grey = firstFragment(d->findBlockByNumber(4)).charFormat();
        QCOMPARE(grey.fontPointSize(), 8.0);
        QCOMPARE(grey.foreground().color(), QColor(192, 192, 192));
        QVERIFY(grey.fontFamilies().toStringList().contains(QStringLiteral("DejaVu Sans")));
    }

    void readsBackWhatItShows() {
        RichDoc doc = sampleCard();
        CharStyle odd;
        odd.italic = true;
        odd.underline = true;
        odd.font = "Times New Roman";
        odd.halfPoints = 9; // half points survive
        appendLine(doc, "Kůň 😀", odd, Alignment::Justify);
        CharStyle tiny;
        tiny.halfPoints = 8;
        appendLine(doc, "", tiny, Alignment::Right);
        RichView view;
        view.setRichDoc(doc);
        QCOMPARE(view.richDoc(), doc);

        view.setRichDoc(RichDoc{});
        QCOMPARE(view.richDoc(), RichDoc{});
    }

    void emptinessAndClearing() {
        RichView view;
        QVERIFY(view.isEmpty());
        RichDoc doc;
        appendLine(doc, "");
        view.setRichDoc(doc);
        QVERIFY(view.isEmpty());
        appendLine(doc, "");
        view.setRichDoc(doc);
        QVERIFY(!view.isEmpty());

        view.setRichDoc(sampleCard());
        view.setWordWrap(false);
        QVERIFY(!view.isEmpty());
        view.vycistirichedit();
        QVERIFY(view.isEmpty());
        QVERIFY(view.wordWrap());
    }

    void wordWrapAndScrollBars() {
        RichView view;
        QVERIFY(view.isReadOnly());
        view.setWordWrap(false);
        QCOMPARE(view.lineWrapMode(), QTextEdit::NoWrap);
        view.setWordWrap(true);
        QCOMPARE(view.lineWrapMode(), QTextEdit::WidgetWidth);
        view.setScrollBars(Qt::ScrollBarAlwaysOn, Qt::ScrollBarAlwaysOff);
        QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(view.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void savesRtfThroughTheWriter() {
        test::TempFolder dir;
        RichView view;
        view.setRichDoc(sampleCard());
        const auto path = dir / "Beran.rtf";
        QVERIFY(view.save(path).ok());
        const Result<RichDoc> back = readRtfFile(path);
        QVERIFY(back.ok());
        QCOMPARE(*back, sampleCard());

        const Result<void> bad = view.save(dir / "no such folder" / "x.rtf");
        QVERIFY(!bad.ok());
        QVERIFY(bad.error().text().find("x.rtf") != std::string::npos);
    }

    void editsInAnEditableViewAreSaved() {
        RichView view;
        view.setReadOnly(false);
        view.setRichDoc(sampleCard());
        view.moveCursor(QTextCursor::End);
        QTest::keyClicks(&view, "ab");
        QTest::keyClick(&view, Qt::Key_Return, Qt::ShiftModifier); // a line break
        QTest::keyClicks(&view, "cd");
        const RichDoc doc = view.richDoc();
        QCOMPARE(paragraphCount(doc), std::size_t(6));
        QCOMPARE(paragraphText(doc, 4), std::string("    Zdroj: lidová tradiceab"));
        QCOMPARE(paragraphText(doc, 5), std::string("cd"));
        QCOMPARE(doc.paragraphs[5].runs.at(0).style.color, std::optional<Color>(kSilver));
    }

    void printsToPdf() {
        test::TempFolder dir;
        RichView view;
        view.setRichDoc(sampleCard());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setDocName(QStringLiteral("Tarvenik :: význam jmen"));
        const QString pdf = fromPath(dir / "card.pdf");
        printer.setOutputFileName(pdf);
        view.print(printer);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 1000);
        QCOMPARE(file.read(5), QByteArray("%PDF-"));
    }

    // Renders the card offscreen; TARVENIK_RICHVIEW_PNG names a file to keep the picture in.
    void rendersTheCard() {
        RichView view;
        view.resize(420, 200);
        view.setRichDoc(sampleCard());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage image = view.grab().toImage();
        QVERIFY(!image.isNull());
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                dark += qGray(image.pixel(x, y)) < 100;
            }
        }
        QVERIFY(dark > 200); // text was drawn
        const QByteArray keep = qgetenv("TARVENIK_RICHVIEW_PNG");
        if (!keep.isEmpty()) {
            QVERIFY(image.save(QString::fromLocal8Bit(keep)));
        }
    }
};

QTEST_MAIN(TestRichView)
#include "test_richview.moc"
