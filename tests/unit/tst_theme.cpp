#include "AppTheme.h"
#include "GlassCard.h"
#include "UiBuilders.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

} // namespace

class TestTheme : public QObject {
    Q_OBJECT

private slots:
    void styleSheetIsFullySubstituted()
    {
        const QString sheet = AppTheme::globalStyleSheet();
        QVERIFY(!sheet.contains(QRegularExpression(QStringLiteral("%\\d"))));
        QVERIFY(!sheet.contains(QLatin1Char('%')));
        for (const char *colour : {"#ffffff", "#0d1017", "#8038b5", "#d6cfe6"}) {
            QVERIFY2(sheet.contains(QLatin1String(colour)), colour);
        }
    }

    void styleNamesAreAllPresent_data()
    {
        QTest::addColumn<QString>("selector");
        for (const char *name : {"#WindowRoot",
                                 "#Sidebar",
                                 "#ContentSurface",
                                 "#TopSearch",
                                 "#AssistantChip",
                                 "QLabel#BrandTitle",
                                 "QLabel#BrandSubtitle",
                                 "QLabel#PageTitle",
                                 "QLabel#PageSubtitle",
                                 "QPushButton#NavButton",
                                 "QLabel#SectionTitle",
                                 "QLabel#SmallTitle",
                                 "QLabel#MutedText",
                                 "QLabel#MetricValue",
                                 "QLabel#MetricCaption",
                                 "QPushButton#PrimaryAction",
                                 "QPushButton#SecondaryAction",
                                 "QPushButton#DangerAction",
                                 "QPushButton#PaletteChip",
                                 "QPushButton#InfoIcon",
                                 "QLineEdit#FieldInput",
                                 "QFrame#line"}) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }
    void styleNamesAreAllPresent()
    {
        QFETCH(QString, selector);
        QVERIFY(AppTheme::globalStyleSheet().contains(selector + QLatin1String(" {")));
    }

    void applyAppStyleSetsPaletteAndSheet()
    {
        AppTheme::applyAppStyle(*qApp);
        const QPalette palette = QApplication::palette();
        QCOMPARE(palette.color(QPalette::Window), AppTheme::kBackgroundDark);
        QCOMPARE(palette.color(QPalette::Highlight), AppTheme::kPrimaryLight);
        QCOMPARE(palette.color(QPalette::Disabled, QPalette::PlaceholderText), AppTheme::kTextSecondary);
        QCOMPARE(qApp->styleSheet(), AppTheme::globalStyleSheet());
        QVERIFY(QApplication::font().styleStrategy() & QFont::PreferAntialias);
    }

    void setStrongRepaintsOnlyOnChange()
    {
        GlassCard card;
        card.resize(200, 120);
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        QCoreApplication::processEvents();
        PaintCounter counter;
        card.installEventFilter(&counter);

        card.setStrong(true);
        QCoreApplication::processEvents();
        QTRY_COMPARE(counter.paints, 1);
        card.setStrong(true);
        QCoreApplication::processEvents();
        QTest::qWait(20);
        QCOMPARE(counter.paints, 1);
        QVERIFY(card.strong());
    }

    void strongCardIsBrighter()
    {
        GlassCard plain;
        GlassCard strong;
        strong.setStrong(true);
        plain.resize(120, 120);
        strong.resize(120, 120);
        const QImage a = plain.grab().toImage();
        const QImage b = strong.grab().toImage();
        // The top-left of the fill starts from the primary colour lightened more on a strong card.
        const QColor pa = a.pixelColor(12, 30);
        const QColor pb = b.pixelColor(12, 30);
        QVERIFY(pa.alpha() > 0);
        QVERIFY(pb.lightness() > pa.lightness());
        // Outside the rounded outline nothing is painted.
        QCOMPARE(a.pixelColor(0, 0).alpha(), 0);
    }

    void helpDialogLists_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no lines") << QStringList();
        QTest::newRow("two lines") << QStringList{QStringLiteral("First"), QStringLiteral("Second")};
    }
    void helpDialogLists()
    {
        QFETCH(QStringList, lines);
        QWidget parent;
        QStringList texts;
        QString title;
        int spacers = -1;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->windowTitle();
            for (QLabel *label : dialog->findChildren<QLabel *>()) {
                texts << label->text();
            }
            spacers = 0;
            for (int i = 0; i < dialog->layout()->count(); ++i) {
                spacers += dialog->layout()->itemAt(i)->spacerItem() ? 1 : 0;
            }
            dialog->reject();
        });
        showFeatureHelp(&parent, QStringLiteral("Hotkeys"), QStringLiteral("Summary text"), lines);
        QCOMPARE(title, QStringLiteral("Hotkeys - how it works"));
        QStringList expected{QStringLiteral("Hotkeys - how it works"), QStringLiteral("Summary text")};
        for (const QString &line : lines) {
            expected << QStringLiteral("•  %1").arg(line);
        }
        QCOMPARE(texts, expected);
        QCOMPARE(spacers, lines.isEmpty() ? 0 : 1);
    }

    void sectionHeaderHasTitleAndInfoButton()
    {
        QWidget parent;
        QWidget *header = makeSectionHeader(&parent, QStringLiteral("Display"), QStringLiteral("How it applies"), {});
        auto *title = header->findChild<QLabel *>(QStringLiteral("SectionTitle"));
        QVERIFY(title);
        QCOMPARE(title->text(), QStringLiteral("Display"));
        QVERIFY(!title->wordWrap());
        auto *info = header->findChild<QPushButton *>(QStringLiteral("InfoIcon"));
        QVERIFY(info);
        QCOMPARE(info->text(), QStringLiteral("i"));
        QCOMPARE(info->size(), QSize(22, 22));
        QCOMPARE(info->toolTip(), QStringLiteral("How it applies"));
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
