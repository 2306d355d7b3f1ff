#include "ui/qtext.h"

#include <QTest>

using namespace tarvenik;

class TestQText : public QObject {
    Q_OBJECT
private slots:
    void roundTripsCzechText() {
        const std::string utf8 = "Příliš žluťoučký kůň";
        QCOMPARE(toQ(utf8), QStringLiteral("Příliš žluťoučký kůň"));
        QCOMPARE(fromQ(toQ(utf8)), utf8);
    }
    void pathsKeepDiacritics() {
        const QString p = QStringLiteral("/tmp/Data/Jména/JménaA.dat");
        QCOMPARE(toPath(p).u8string(), std::u8string(u8"/tmp/Data/Jména/JménaA.dat"));
        QCOMPARE(fromPath(toPath(p)), p);
    }
    void everyLineEndBecomesLf() {
        QCOMPARE(withLfLineEnds(QStringLiteral("a\r\nb\rc\nd\n\re")),
                 QStringLiteral("a\nb\nc\nd\n\ne"));
        QCOMPARE(withLfLineEnds(QStringLiteral("Pokud,\r        nelze")),
                 QStringLiteral("Pokud,\n        nelze"));
    }
};

QTEST_GUILESS_MAIN(TestQText)
#include "test_qtext.moc"
