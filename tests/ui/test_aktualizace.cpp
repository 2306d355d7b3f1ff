#include "tests/localhttp.h"
#include "tests/support/DialogRecorder.h"
#include "tests/tempfolder.h"
#include "ui/UnitAktualizace.h"
#include "ui/UnitHlavni.h"
#include "ui/qtext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <set>

using namespace tarvenik;
using namespace std::chrono_literals;
using tarvenik::test::DialogRecorder;
using tarvenik::test::LocalHttpServer;
using tarvenik::test::TempFolder;

using Script = std::function<void(tarvenik::test::LocalHttpServer&)>;
Q_DECLARE_METATYPE(Script)

namespace {

const QString kStart = QStringLiteral("Zahájeno zjišťování informací...");
const QString kDownloading = QStringLiteral("Stahování informací...");
const QString kFailed = QStringLiteral("Nastala chyba při stahování informací!");
const QString kUpToDate = QStringLiteral("Používáte nejnovější verzi programu!");
const QString kInvalid = QStringLiteral("Server vrátil neplatné informace o verzi.");

QStringList linesOf(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) {
        lines << list->item(i)->text();
    }
    return lines;
}

QStringList afterDownload(const QString& outcome) {
    return {kStart, {}, kDownloading, {}, outcome};
}

QString tempFileOf(const TempFolder& temp) {
    return fromPath(temp / "verzess.txt");
}

UpdateSource sourceFor(const QString& site, const TempFolder& temp,
                       std::chrono::milliseconds timeout = 10s) {
    return {site, fromPath(temp.path()), timeout, [] { return true; }};
}

// The server's answer to the version file's address.
Script publish(const QByteArray& answer) {
    return [answer](LocalHttpServer& s) { s.send("/verzess.txt", answer); };
}

QByteArray redirect(const QByteArray& code, const QByteArray& to) {
    return LocalHttpServer::response("moved", code, "Location: " + to + "\r\n");
}

} // namespace

class TestAktualizace : public QObject {
    Q_OBJECT
private slots:
    void layoutAsDesignedWhereTheFontFits() {
        TFrmAktualizace w;
        w.setFont(QFont(QStringLiteral("DejaVu Sans"), 5));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.size(), QSize(212, 161));
        QCOMPARE(w.LBInfo->geometry(), QRect(4, 4, 204, 123));
        QCOMPARE(w.BtnAktual->geometry(), QRect(5, 131, 118, 25));
        QCOMPARE(w.BtnZavrit->geometry(), QRect(131, 131, 75, 25));
        QCOMPARE(w.Bevel1->geometry(), w.rect());
        QCOMPARE(w.Bevel1->frameShadow(), QFrame::Raised);
        QCOMPARE(w.BtnAktual->text(), QStringLiteral("Zkontrolovat"));
        QCOMPARE(w.BtnZavrit->text(), QStringLiteral("Zavřít"));
        QVERIFY(!w.BtnAktual->icon().isNull());
        QVERIFY(!w.BtnZavrit->icon().isNull());
        QCOMPARE(w.LBInfo->count(), 0);
    }

    // With a large font the window grows so that every line and caption still shows whole.
    void largeFontGrowsTheWindow() {
        LocalHttpServer server;
        server.send("/verzess.txt", LocalHttpServer::response("24\r\n0.2.4\r\nhttp://a.cz/"));
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.setFont(QFont(QStringLiteral("DejaVu Sans"), 16));
        w.show();
        w.BtnAktual->click();
        QCOMPARE(w.LBInfo->count(), 8);
        QVERIFY(w.size().width() > 212 && w.size().height() > 161);
        QCOMPARE(w.LBInfo->verticalScrollBar()->maximum(), 0);
        QCOMPARE(w.LBInfo->horizontalScrollBar()->maximum(), 0);
        QPushButton probe(QStringLiteral("Stáhnout novou verzi"));
        probe.setFont(w.font());
        QVERIFY(w.BtnAktual->width() >= probe.sizeHint().width());
        QCOMPARE(w.BtnZavrit->geometry().right(), w.width() - 7);
        QCOMPARE(w.LBInfo->geometry().bottom() + 5, w.BtnAktual->y());
    }

    void versionFileAddress_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("address");
        QTest::newRow("root") << "https://www.tarvenik.cz/"
                              << "https://www.tarvenik.cz/verzess.txt";
        QTest::newRow("no slash") << "https://a.cz"
                                  << "https://a.cz/verzess.txt";
        QTest::newRow("folder") << "http://a.cz/tarvenik"
                                << "http://a.cz/tarvenik/verzess.txt";
    }
    void versionFileAddress() {
        QFETCH(QString, site);
        QFETCH(QString, address);
        QCOMPARE(tarvenik::versionFileAddress(site).toString(), address);
    }

    // Every answer a server may give, and the lines, button and temporary file after it; a
    // failure's reason, in Czech, is the tooltip of its line.
    void answersOfTheServer_data() {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("reason");
        const QByteArray upToDate =
            LocalHttpServer::response("23\r\nTarvenik 0.2.3\r\nhttp://a.cz/\r\n");
        const QString tooLarge = QStringLiteral("soubor je příliš velký (nejvýš 64 KB)");
        QTest::newRow("release 23") << publish(upToDate) << kUpToDate << QString();
        QTest::newRow("404 with a valid body")
            << publish(LocalHttpServer::response("24\r\nx\r\nhttp://a.cz/", "404 Not Found"))
            << kFailed << QStringLiteral("soubor na serveru není (HTTP 404)");
        QTest::newRow("a success other than 200")
            << publish(LocalHttpServer::response("23", "204 No Content")) << kFailed
            << QStringLiteral("server odpověděl kódem HTTP 204");
        QTest::newRow("dropped connection") << Script([](LocalHttpServer& s) {
            s.answer("/verzess.txt", {LocalHttpServer::Action::Drop, {}});
        }) << kFailed << QStringLiteral("server ukončil spojení předčasně");
        QTest::newRow("HTML page") << publish(LocalHttpServer::response(
                                          "<!DOCTYPE html>\n<html><body>Chyba</body></html>\n",
                                          "200 OK", "Content-Type: text/html\r\n"))
                                   << kInvalid << QString();
        QTest::newRow("exactly 64 KB")
            << publish(LocalHttpServer::response("23\r\n" + QByteArray(65536 - 4, 'x')))
            << kUpToDate << QString();
        QTest::newRow("over 64 KB, announced")
            << publish(LocalHttpServer::response("23\r\n" + QByteArray(65536 - 3, 'x'))) << kFailed
            << tooLarge;
        QTest::newRow("over 64 KB, not announced")
            << publish("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n23\r\n" +
                       QByteArray(200000, 'x'))
            << kFailed << tooLarge;
        QTest::newRow("redirected twice") << Script([upToDate](LocalHttpServer& s) {
            s.send("/verzess.txt", redirect("302 Found", "/a"));
            s.send("/a", redirect("301 Moved Permanently", "/b/verzess.txt"));
            s.send("/b/verzess.txt", upToDate);
        }) << kUpToDate << QString();
        QTest::newRow("redirect loop") << publish(redirect("302 Found", "/verzess.txt")) << kFailed
                                       << QStringLiteral("příliš mnoho přesměrování");
    }
    void answersOfTheServer() {
        QFETCH(Script, script);
        QFETCH(QString, outcome);
        QFETCH(QString, reason);
        LocalHttpServer server;
        script(server);
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.BtnAktual->click();
        QVERIFY(server.requests() > 0);
        QCOMPARE(linesOf(w.LBInfo), afterDownload(outcome));
        const QString tip = w.LBInfo->item(4)->toolTip();
        QVERIFY2(reason.isEmpty() ? tip.isEmpty() : tip.endsWith(QStringLiteral(": ") + reason),
                 qPrintable(tip));
        QVERIFY(w.BtnAktual->isEnabled());
        QCOMPARE(w.BtnAktual->text(), QStringLiteral("Zkontrolovat"));
        QVERIFY(!QFileInfo::exists(tempFileOf(temp)));
    }

    void atMostFiveRedirects() {
        for (const int redirects : {5, 6}) {
            LocalHttpServer server;
            for (int i = 0; i < redirects; ++i) {
                const QByteArray from = i == 0 ? "/verzess.txt" : "/" + QByteArray::number(i);
                server.send(from, redirect("302 Found", "/" + QByteArray::number(i + 1)));
            }
            server.send("/" + QByteArray::number(redirects), LocalHttpServer::response("23"));
            std::set<QByteArray> asked; // Qt sends a request again when a connection closes
            server.onRequest = [&asked](const QByteArray& path) { asked.insert(path); };
            TempFolder temp;
            TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
            w.BtnAktual->click();
            QCOMPARE(linesOf(w.LBInfo), afterDownload(redirects <= 5 ? kUpToDate : kFailed));
            QVERIFY(asked.size() == 6 || (redirects == 6 && asked.size() == 7));
        }
    }

    void refusedPortFails() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString site = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
        closed.close();
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(site, temp));
        w.BtnAktual->click();
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kFailed));
        QVERIFY(w.BtnAktual->isEnabled());
        QVERIFY(!QFileInfo::exists(tempFileOf(temp)));
    }

    void silentServerEndsAtTheTimeout() {
        LocalHttpServer server;
        server.answer("/verzess.txt", {LocalHttpServer::Action::Hang, {}});
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp, 400ms));
        QElapsedTimer clock;
        clock.start();
        w.BtnAktual->click();
        QVERIFY(clock.elapsed() >= 400);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kFailed));
        QVERIFY(w.BtnAktual->isEnabled());
        QVERIFY(!QFileInfo::exists(tempFileOf(temp)));
    }

    void newerReleaseOffersItsDownload() {
        LocalHttpServer server;
        server.send("/verzess.txt",
                    LocalHttpServer::response("24\r\nTarvenik 0.2.4 (\xFAnor 2008)\r\n"
                                              "https://www.tarvenik.cz/stahnout/\r\n"));
        TempFolder temp;
        DialogRecorder dialogs;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.BtnAktual->click();
        const QStringList expected = {kStart,
                                      {},
                                      kDownloading,
                                      {},
                                      QStringLiteral("Je dostupná nová verze programu!"),
                                      QStringLiteral("---"),
                                      QStringLiteral("Vaše verze: 0.2.3 (10.1.2008)"),
                                      QStringLiteral("Nová verze: Tarvenik 0.2.4 (únor 2008)")};
        QCOMPARE(linesOf(w.LBInfo), expected);
        QCOMPARE(w.BtnAktual->text(), QStringLiteral("Stáhnout novou verzi"));
        QVERIFY(w.BtnAktual->icon().isNull());
        QVERIFY(w.BtnAktual->isEnabled());
        QVERIFY(!QFileInfo::exists(tempFileOf(temp)));

        // From now on the button opens the address and checks no more.
        w.BtnAktual->click();
        w.BtnAktual->click();
        const auto opened = dialogs.callsOf(QStringLiteral("openAddress"));
        QCOMPARE(opened.size(), std::size_t{2});
        QCOMPARE(opened[0].text, QStringLiteral("https://www.tarvenik.cz/stahnout/"));
        QCOMPARE(server.requests(), 1);
        QCOMPARE(linesOf(w.LBInfo), expected);
        QVERIFY(w.isVisible() || !w.result()); // the window stays open
    }

    void failedCheckCanBeRepeated() {
        LocalHttpServer server;
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.BtnAktual->click(); // nothing published yet: 404
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kFailed));
        QVERIFY(w.LBInfo->item(4)->toolTip().contains(QStringLiteral("404")));
        server.send("/verzess.txt", LocalHttpServer::response("23"));
        w.BtnAktual->click();
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kUpToDate));
    }

    void notConnectedAsksNobody() {
        LocalHttpServer server;
        TempFolder temp;
        UpdateSource source = sourceFor(server.site(), temp);
        source.connected = [] { return false; };
        TFrmAktualizace w(nullptr, source);
        w.BtnAktual->click();
        QCOMPARE(linesOf(w.LBInfo),
                 (QStringList{kStart,
                              {},
                              QStringLiteral("Zdá se, že nejste připojeni k internetu!"),
                              {},
                              kFailed}));
        QCOMPARE(server.requests(), 0);
        QVERIFY(w.BtnAktual->isEnabled());
    }

    // While the answer is awaited the window paints its lines and ignores the user.
    void downloadBlocksInputButShowsProgress() {
        LocalHttpServer server;
        server.send("/verzess.txt", LocalHttpServer::response("23"));
        TempFolder temp;
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        bool checked = false;
        server.onRequest = [&](const QByteArray&) {
            checked = true;
            QVERIFY(w.busy());
            QVERIFY(!w.BtnAktual->isEnabled());
            QCOMPARE(linesOf(w.LBInfo), (QStringList{kStart, {}, kDownloading}));
            QVERIFY(QFileInfo::exists(tempFileOf(temp))); // the body goes to our folder
            QTest::mouseClick(w.LBInfo->viewport(), Qt::LeftButton, {},
                              w.LBInfo->visualItemRect(w.LBInfo->item(0)).center());
            QTest::keyClick(w.LBInfo, Qt::Key_Down);
            QVERIFY(w.LBInfo->selectedItems().isEmpty());
            QTest::mouseClick(w.BtnZavrit, Qt::LeftButton);
            QTest::keyClick(&w, Qt::Key_Escape);
            w.close();
            QVERIFY(w.isVisible());
        };
        QTest::mouseClick(w.BtnAktual, Qt::LeftButton);
        QVERIFY(checked);
        QVERIFY(!w.busy());
        QVERIFY(w.isVisible());
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kUpToDate));
        QTest::mouseClick(w.BtnZavrit, Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
    }

    // A file of that name left in the temporary folder, even a link to another file, is
    // replaced, never written through.
    void leftoverTempFileIsReplacedNotWrittenThrough() {
        LocalHttpServer server;
        server.send("/verzess.txt", LocalHttpServer::response("23"));
        TempFolder temp;
        temp.write("precious.txt", "keep me");
        std::filesystem::create_symlink(temp / "precious.txt", temp / "verzess.txt");
        TFrmAktualizace w(nullptr, sourceFor(server.site(), temp));
        w.BtnAktual->click();
        QCOMPARE(linesOf(w.LBInfo), afterDownload(kUpToDate));
        QCOMPARE(temp.read("precious.txt"), std::string("keep me"));
        QVERIFY(!QFileInfo::exists(tempFileOf(temp)));
        QVERIFY(!QFileInfo(tempFileOf(temp)).isSymLink());
    }

    void mainWindowOpensItModallyOverItself() {
        TempFolder app;
        DialogRecorder dialogs;
        TFrmHlavni main(fromPath(app.path()));
        main.show();
        QVERIFY(main.Zjistitnovouverzi1->isEnabled());
        QPointer<TFrmAktualizace> shown;
        QPoint offCentre;
        bool mainVisible = false;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            shown = qobject_cast<TFrmAktualizace*>(QApplication::activeModalWidget());
            if (shown) {
                seen = true;
                offCentre = shown->geometry().center() - main.frameGeometry().center();
                mainVisible = main.isVisible();
                shown->BtnZavrit->click();
            }
        });
        main.Zjistitnovouverzi1->trigger();
        QVERIFY(seen);
        QVERIFY(shown.isNull()); // destroyed after closing
        QVERIFY(!main.findChild<TFrmAktualizace*>());
        QVERIFY(mainVisible);
        QCOMPARE(offCentre, QPoint(0, 0));
    }
};

QTEST_MAIN(TestAktualizace)
#include "test_aktualizace.moc"
