#include "AppTheme.h"
#include "Sidebar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QtTest>

class TestSidebar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { AppTheme::applyAppStyle(*qApp); }

    void textsAreNeverClipped_data()
    {
        QTest::addColumn<int>("height");
        // From a 1366x768 laptop's client area up to a tall desktop window.
        for (int height = 620; height <= 1100; height += 40) {
            QTest::addRow("%d px", height) << height;
        }
    }

    void textsAreNeverClipped()
    {
        QFETCH(int, height);
        Sidebar sidebar(pageNames());
        sidebar.resize(280, height);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        QCoreApplication::processEvents();

        const QRect inside = sidebar.rect();
        for (QWidget *child : sidebar.findChildren<QWidget *>()) {
            if (!child->isVisibleTo(&sidebar)) {
                continue;
            }
            const QRect box(child->mapTo(&sidebar, QPoint(0, 0)), child->size());
            QVERIFY2(inside.contains(box), qPrintable(describe(child)));
            int needed = child->minimumSizeHint().height();
            if (auto *label = qobject_cast<QLabel *>(child); label && label->wordWrap()) {
                needed = label->heightForWidth(label->width());
            }
            QVERIFY2(child->height() >= needed,
                     qPrintable(describe(child) + QStringLiteral(" needs %1 px").arg(needed)));
        }
    }

    void storeCardShowsWhenThereIsRoom_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("cardShown");
        QTest::newRow("tall window") << 1000 << true;
        QTest::newRow("short laptop window") << 640 << false;
    }

    void storeCardShowsWhenThereIsRoom()
    {
        QFETCH(int, height);
        QFETCH(bool, cardShown);
        Sidebar sidebar(pageNames());
        sidebar.resize(280, height);
        sidebar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sidebar));
        QCOMPARE(sidebar.promoCard()->isVisible(), cardShown);

        // Growing the window again brings a stepped-aside card back, and the reverse.
        sidebar.resize(280, cardShown ? 640 : 1000);
        QCoreApplication::processEvents();
        QCOMPARE(sidebar.promoCard()->isVisible(), !cardShown);
    }

    void paintsItsGlassBackground()
    {
        QWidget host;
        host.setObjectName(QStringLiteral("Host"));
        host.setStyleSheet(QStringLiteral("#Host { background: #000000; }"));
        host.resize(300, 700);
        auto *sidebar = new Sidebar(pageNames(), &host);
        sidebar->setGeometry(10, 10, 280, 680);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        const QImage image = host.grab().toImage();
        QCOMPARE(image.pixelColor(4, 350), QColor(Qt::black));
        // Inside the sidebar's left margin, where no child paints, the translucent glass lightens the host.
        const QColor glass = image.pixelColor(10 + 10, 350);
        QVERIFY2(glass.lightness() > 8, qPrintable(glass.name()));
    }

    void pageButtonsFormOneExclusiveGroup()
    {
        Sidebar sidebar(pageNames());
        QButtonGroup *group = sidebar.navigation();
        QCOMPARE(group->buttons().size(), 5);
        QVERIFY(group->button(0)->isChecked());
        QCOMPARE(group->button(1)->text(), QStringLiteral("Protect"));
        QSignalSpy clicked(group, &QButtonGroup::idClicked);
        group->button(3)->click();
        QCOMPARE(clicked.size(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 3);
        QVERIFY(!group->button(0)->isChecked());
    }

private:
    static QStringList pageNames()
    {
        return {QStringLiteral("Home"), QStringLiteral("Protect"), QStringLiteral("Exercises"),
                QStringLiteral("Reports"), QStringLiteral("Settings")};
    }

    static QString describe(QWidget *widget)
    {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
        }
        return QStringLiteral("%1 \"%2\" at %3,%4 %5x%6")
            .arg(QString::fromLatin1(widget->metaObject()->className()), text)
            .arg(widget->x())
            .arg(widget->y())
            .arg(widget->width())
            .arg(widget->height());
    }
};

QTEST_MAIN(TestSidebar)
#include "tst_sidebar.moc"
