#include "LinuxIdleTime.h"

#include <QCursor>
#include <QGuiApplication>
#include <QProcess>
#include <QThread>
#include <QtTest>

namespace {

bool moveMouse(const QPoint &to)
{
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(to.x()), QString::number(to.y())}) == 0;
}

} // namespace

class TestLinuxIdleTime : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            QSKIP("needs an X11 session");
        }
    }

    // The X server's idle counter grows while nobody touches the input devices and starts again from zero on
    // (synthetic) input.
    void inputResetsTheIdleTime()
    {
        LinuxIdleTime idle;
        QThread::msleep(700);
        const std::optional<qint64> before = idle.idleMilliseconds();
        QVERIFY(before.has_value());
        QVERIFY2(*before > 0, qPrintable(QString::number(*before)));

        QThread::msleep(300);
        const std::optional<qint64> later = idle.idleMilliseconds();
        QVERIFY(later.has_value());
        QVERIFY2(*later > *before, qPrintable(QStringLiteral("%1 then %2").arg(*before).arg(*later)));

        const QPoint here = QCursor::pos();
        QVERIFY(moveMouse(here + QPoint(37, 23)));
        const std::optional<qint64> after = idle.idleMilliseconds();
        QVERIFY(after.has_value());
        QVERIFY2(*after < *later, qPrintable(QStringLiteral("%1 after input, %2 before").arg(*after).arg(*later)));
        moveMouse(here);
    }
};

QTEST_MAIN(TestLinuxIdleTime)
#include "tst_linuxidletime.moc"
