// The drawn icons are drawn when shown, at the size shown; a lazy icon is made once, when
// first shown.
#include "ui/icons/Icons.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace tarvenik;

class TestIcons : public QObject {
    Q_OBJECT
private slots:
    void drawnAtTheSizeAskedForAndPaleWhenDisabled() {
        if (QIcon::hasThemeIcon(QStringLiteral("dialog-ok"))) {
            QSKIP("the icon theme has its own picture");
        }
        const QIcon icon = themedIcon(IconKind::Ok);
        for (const int side : {16, 24, 32, 48}) {
            QCOMPARE(icon.pixmap(side).size(), QSize(side, side));
        }
        QVERIFY(icon.pixmap(16).toImage() != icon.pixmap(16, QIcon::Disabled).toImage());
    }

    void lazyIconIsMadeOnceWhenFirstShown() {
        int made = 0;
        const QIcon icon = lazyIcon([&made] {
            ++made;
            return themedIcon(IconKind::Ok);
        });
        QCOMPARE(made, 0);
        QVERIFY(!icon.pixmap(16).isNull());
        QVERIFY(!icon.pixmap(32).isNull());
        QCOMPARE(made, 1);
    }
};

QTEST_MAIN(TestIcons)
#include "test_icons.moc"
