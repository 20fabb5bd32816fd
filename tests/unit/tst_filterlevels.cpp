#include "AppState.h"
#include "FilterLevels.h"
#include "TempStore.h"

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <limits>

namespace {

struct Options {
    bool wideColor = false;
    bool wideBrightness = false;
    bool gaming = false;
    bool battery = false;
    bool thermal = false;
};

FilterInputs inputs(int intensity, int dimming, Options options = {}, bool protection = true, bool autoPaused = false)
{
    FilterInputs in;
    in.protectionEnabled = protection;
    in.autoPaused = autoPaused;
    in.filterIntensity = intensity;
    in.dimmingStrength = dimming;
    in.wideColorRange = options.wideColor;
    in.wideBrightnessRange = options.wideBrightness;
    in.gamingMode = options.gaming;
    in.batteryAware = options.battery;
    in.thermalAware = options.thermal;
    return in;
}

} // namespace

Q_DECLARE_METATYPE(FilterInputs)

class TestFilterLevels : public QObject {
    Q_OBJECT

private slots:
    // The opacities and the alpha they paint with, for the settings a user actually meets.
    void mapping_data()
    {
        QTest::addColumn<FilterInputs>("in");
        QTest::addColumn<bool>("active");
        QTest::addColumn<double>("tint");
        QTest::addColumn<double>("dim");
        QTest::addColumn<int>("tintAlpha");
        QTest::addColumn<int>("dimAlpha");

        QTest::newRow("intensity 50") << inputs(50, 0) << true << 0.275 << 0.0 << 70 << 0;
        QTest::newRow("intensity 100") << inputs(100, 0) << true << 0.55 << 0.0 << 140 << 0;
        QTest::newRow("dimming 100") << inputs(0, 100) << true << 0.0 << 0.6 << 0 << 153;
        QTest::newRow("wide colour range, intensity 100")
            << inputs(100, 100, {true, false}) << true << 0.9 << 0.6 << 229 << 153;
        QTest::newRow("wide brightness range, dimming 100")
            << inputs(100, 100, {false, true}) << true << 0.55 << 0.95 << 140 << 242;
        QTest::newRow("defaults 52/34") << inputs(52, 34) << true << 0.286 << 0.204 << 72 << 52;
        QTest::newRow("nothing to paint") << inputs(0, 0) << true << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("gaming") << inputs(100, 100, {false, false, true}) << true << 0.396 << 0.27 << 100 << 68;
        QTest::newRow("battery scales only dim")
            << inputs(100, 100, {false, false, false, true}) << true << 0.55 << 0.54 << 140 << 137;
        QTest::newRow("thermal caps the tint")
            << inputs(100, 100, {false, false, false, false, true}) << true << 0.42 << 0.6 << 107 << 153;
        QTest::newRow("thermal caps the wide range too")
            << inputs(100, 100, {true, true, false, false, true}) << true << 0.42 << 0.95 << 107 << 242;
        QTest::newRow("thermal below the cap changes nothing")
            << inputs(50, 50, {false, false, false, false, true}) << true << 0.275 << 0.3 << 70 << 76;
        QTest::newRow("gaming, battery and thermal together")
            << inputs(100, 100, {true, true, true, true, true}) << true << 0.42 << 0.38475 << 107 << 98;
        QTest::newRow("protection off") << inputs(100, 100, {}, false) << false << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("auto-paused") << inputs(100, 100, {}, true, true) << false << 0.0 << 0.0 << 0 << 0;
        QTest::newRow("out-of-range settings stay within the range")
            << inputs(250, -20) << true << 0.55 << 0.0 << 140 << 0;
    }

    void mapping()
    {
        QFETCH(FilterInputs, in);
        QFETCH(bool, active);
        QFETCH(double, tint);
        QFETCH(double, dim);
        QFETCH(int, tintAlpha);
        QFETCH(int, dimAlpha);

        const FilterLevels levels = FilterLevels::compute(in);
        QCOMPARE(levels.active, active);
        QVERIFY2(qAbs(levels.tint - tint) < 1e-9, qPrintable(QString::number(levels.tint, 'g', 17)));
        QVERIFY2(qAbs(levels.dim - dim) < 1e-9, qPrintable(QString::number(levels.dim, 'g', 17)));
        QCOMPARE(FilterLevels::paintAlpha(levels.tint), tintAlpha);
        QCOMPARE(FilterLevels::paintAlpha(levels.dim), dimAlpha);
    }

    void clampOpacity_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("clamped");
        QTest::addColumn<int>("alpha");
        QTest::newRow("inside") << 0.42 << 0.42 << 107;
        QTest::newRow("one") << 1.0 << 1.0 << 255;
        QTest::newRow("above one") << 1.7 << 1.0 << 255;
        QTest::newRow("zero") << 0.0 << 0.0 << 0;
        QTest::newRow("negative") << -0.3 << 0.0 << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0.0 << 0;
        QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << 1.0 << 255;
        QTest::newRow("-inf") << -std::numeric_limits<double>::infinity() << 0.0 << 0;
        QTest::newRow("alpha truncates") << 0.999 << 0.999 << 254;
    }

    void clampOpacity()
    {
        QFETCH(double, value);
        QFETCH(double, clamped);
        QFETCH(int, alpha);
        QCOMPARE(FilterLevels::clampOpacity(value), clamped);
        QCOMPARE(FilterLevels::paintAlpha(value), alpha);
    }

    // One fill with the layered colour gives the pixels of the dim layer with the tint drawn over it.
    void layeredColorMatchesTwoLayers_data()
    {
        QTest::addColumn<QColor>("tint");
        QTest::addColumn<double>("tintOpacity");
        QTest::addColumn<double>("dimOpacity");
        QTest::newRow("nothing") << QColor(255, 87, 34) << 0.0 << 0.0;
        QTest::newRow("tint only") << QColor(255, 87, 34) << 0.55 << 0.0;
        QTest::newRow("dim only") << QColor(255, 87, 34) << 0.0 << 0.6;
        QTest::newRow("defaults") << QColor(255, 87, 34) << 0.286 << 0.204;
        QTest::newRow("movie, strong") << QColor(255, 193, 7) << 0.9 << 0.95;
        QTest::newRow("relax, thermal cap") << QColor(76, 175, 80) << 0.42 << 0.54;
        QTest::newRow("dim colour") << QColor(0, 0, 0) << 0.3 << 0.3;
        QTest::newRow("opaque tint") << QColor(244, 67, 54) << 1.0 << 0.5;
        QTest::newRow("faint") << QColor(255, 235, 59) << 0.004 << 0.004;
    }

    void layeredColorMatchesTwoLayers()
    {
        QFETCH(QColor, tint);
        QFETCH(double, tintOpacity);
        QFETCH(double, dimOpacity);

        QImage layers(1, 1, QImage::Format_ARGB32_Premultiplied);
        layers.fill(Qt::transparent);
        {
            QPainter painter(&layers);
            painter.fillRect(layers.rect(), QColor(0, 0, 0, FilterLevels::paintAlpha(dimOpacity)));
            QColor top = tint;
            top.setAlpha(FilterLevels::paintAlpha(tintOpacity));
            painter.fillRect(layers.rect(), top);
        }
        QImage single(1, 1, QImage::Format_ARGB32_Premultiplied);
        single.fill(Qt::transparent);
        {
            QPainter painter(&single);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(single.rect(), FilterLevels::layeredColor(tint, tintOpacity, dimOpacity));
        }
        const QRgb expected = layers.pixel(0, 0);
        const QRgb actual = single.pixel(0, 0);
        const QString message = QStringLiteral("two layers %1, one fill %2")
                                    .arg(QString::number(expected, 16), QString::number(actual, 16));
        QVERIFY2(qAbs(qAlpha(actual) - qAlpha(expected)) <= 1, qPrintable(message));
        QVERIFY2(qAbs(qRed(actual) - qRed(expected)) <= 1, qPrintable(message));
        QVERIFY2(qAbs(qGreen(actual) - qGreen(expected)) <= 1, qPrintable(message));
        QVERIFY2(qAbs(qBlue(actual) - qBlue(expected)) <= 1, qPrintable(message));
    }

    // The inputs are read from the settings as they are, with the main window's auto-paused flag beside them.
    void inputsFromState()
    {
        TempStore store;
        AppState state;
        state.setProtectionEnabled(true);
        state.setFilterIntensity(80);
        state.setDimmingStrength(10);
        state.setWideColorRangeEnabled(true);
        state.setBatteryAwareEnabled(true);
        state.setThermalAwareEnabled(true);

        const FilterInputs in = FilterInputs::fromState(state, true);
        QVERIFY(in.protectionEnabled);
        QVERIFY(in.autoPaused);
        QCOMPARE(in.filterIntensity, 80);
        QCOMPARE(in.dimmingStrength, 10);
        QVERIFY(in.wideColorRange);
        QVERIFY(!in.wideBrightnessRange);
        QVERIFY(!in.gamingMode);
        QVERIFY(in.batteryAware);
        QVERIFY(in.thermalAware);
        QVERIFY(!FilterInputs::fromState(state, false).autoPaused);
    }
};

QTEST_GUILESS_MAIN(TestFilterLevels)
#include "tst_filterlevels.moc"
