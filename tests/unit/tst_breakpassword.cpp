#include "AppState.h"
#include "RecordingAppState.h"
#include "TempStore.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QtTest>

namespace {

// SHA-256 of the salt followed by the password, computed outside the program with sha256sum.
const QString kSecretDigest = QStringLiteral("5e611a18f28dc78c5b61570f496285ecf2d3ee6844ec91bd1a32f5bdecd3e933");
const QString kSaltOnlyDigest = QStringLiteral("7dcb6dba504975e55368cfd724efe1e3bb7ec83cf4e6a2bf4e15f7a60b8d96b8");
const QString kNonAsciiDigest = QStringLiteral("fd1098779e75f8c7c5d51bc8ff57c79308a44af0b0da8890c4e425a7ec7ec1f6");
const QString kNonAsciiPassword = QString::fromUtf8("P\u00e4ssw\u00f6rd\u20ac");

QString saltedDigest(const QString &password)
{
    const QByteArray input = QByteArray("KappaTwelveBreakSalt::") + password.toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(input, QCryptographicHash::Sha256).toHex());
}

} // namespace

class TestBreakPassword : public QObject {
    Q_OBJECT

private slots:
    void freshStoreAcceptsNoCandidate_data()
    {
        QTest::addColumn<QString>("candidate");
        QTest::newRow("empty") << QString();
        QTest::newRow("text") << QStringLiteral("secret");
        // The stored form itself is not a password.
        QTest::newRow("digest of empty") << kSaltOnlyDigest;
    }

    void freshStoreAcceptsNoCandidate()
    {
        QFETCH(QString, candidate);
        TempStore store;
        AppState state;
        QVERIFY(!state.hasRelaxPassword());
        QVERIFY(state.relaxPasswordHash().isEmpty());
        QVERIFY(!state.verifyRelaxPassword(candidate));
    }

    void storedDigestIsSaltedSha256InLowerHex_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("digest");
        QTest::newRow("ascii") << QStringLiteral("secret") << kSecretDigest;
        QTest::newRow("empty") << QString() << kSaltOnlyDigest;
        QTest::newRow("non-ascii") << kNonAsciiPassword << kNonAsciiDigest;
        QTest::newRow("long") << QString(500, QLatin1Char('x')) << saltedDigest(QString(500, QLatin1Char('x')));
    }

    void storedDigestIsSaltedSha256InLowerHex()
    {
        QFETCH(QString, password);
        QFETCH(QString, digest);
        QCOMPARE(saltedDigest(password), digest);
        TempStore store;
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.setRelaxPassword(password);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(state.relaxPasswordHash(), digest);
            QCOMPARE(state.writtenKeys(), QStringList{QStringLiteral("relaxPasswordHash")});
            QCOMPARE(state.lastWritten(QStringLiteral("relaxPasswordHash")), QVariant(digest));
            QVERIFY(state.hasRelaxPassword());
            QVERIFY(state.verifyRelaxPassword(password));
        }
        AppState reloaded;
        QCOMPARE(reloaded.relaxPasswordHash(), digest);
        QVERIFY(reloaded.verifyRelaxPassword(password));
    }

    void verificationIsExact_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("candidate");
        QTest::addColumn<bool>("accepted");
        const QString secret = QStringLiteral("Secret");
        QTest::newRow("same text") << secret << secret << true;
        QTest::newRow("other case") << secret << QStringLiteral("secret") << false;
        QTest::newRow("leading space") << secret << QStringLiteral(" Secret") << false;
        QTest::newRow("trailing space") << secret << QStringLiteral("Secret ") << false;
        QTest::newRow("empty candidate") << secret << QString() << false;
        QTest::newRow("prefix") << secret << QStringLiteral("Secre") << false;
        QTest::newRow("salt spelled out") << secret << QStringLiteral("KappaTwelveBreakSalt::Secret") << false;
        QTest::newRow("non-ascii") << kNonAsciiPassword << kNonAsciiPassword << true;
        // The same letters without the combining form are another password.
        QTest::newRow("non-ascii decomposed")
            << kNonAsciiPassword << QString::fromUtf8("Pa\u0308ssw\u00f6rd\u20ac") << false;
        QTest::newRow("empty password, empty candidate") << QString() << QString() << true;
        QTest::newRow("empty password, space") << QString() << QStringLiteral(" ") << false;
    }

    void verificationIsExact()
    {
        QFETCH(QString, password);
        QFETCH(QString, candidate);
        QFETCH(bool, accepted);
        TempStore store;
        AppState state;
        state.setRelaxPassword(password);
        QCOMPARE(state.verifyRelaxPassword(candidate), accepted);
    }

    void settingTheSamePasswordTwiceWritesOnce()
    {
        TempStore store;
        RecordingAppState state;
        QSignalSpy changed(&state, &AppState::stateChanged);
        state.setRelaxPassword(QStringLiteral("secret"));
        state.setRelaxPassword(QStringLiteral("secret"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(state.writes().size(), 1);
        state.setRelaxPassword(QStringLiteral("other"));
        QCOMPARE(changed.count(), 2);
        QVERIFY(!state.verifyRelaxPassword(QStringLiteral("secret")));
        QVERIFY(state.verifyRelaxPassword(QStringLiteral("other")));
    }

    void clearRemovesThePassword()
    {
        TempStore store;
        {
            RecordingAppState state;
            QSignalSpy changed(&state, &AppState::stateChanged);
            state.clearRelaxPassword();
            QCOMPARE(changed.count(), 0);
            QVERIFY(state.writes().isEmpty());

            state.setRelaxPassword(QStringLiteral("secret"));
            state.clearWrites();
            state.clearRelaxPassword();
            QCOMPARE(changed.count(), 2);
            QCOMPARE(state.writtenKeys(), QStringList{QStringLiteral("relaxPasswordHash")});
            QCOMPARE(state.lastWritten(QStringLiteral("relaxPasswordHash")).toString(), QString());
            QVERIFY(!state.hasRelaxPassword());
            QVERIFY(!state.verifyRelaxPassword(QStringLiteral("secret")));
            QVERIFY(!state.verifyRelaxPassword(QString()));

            state.clearRelaxPassword();
            QCOMPARE(changed.count(), 2);
        }
        AppState reloaded;
        QVERIFY(!reloaded.hasRelaxPassword());
    }

    void editedDigestNeverMatches_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("upper-case hex of the right digest") << kSecretDigest.toUpper();
        QTest::newRow("not hex") << QStringLiteral("not-a-digest");
        QTest::newRow("truncated") << kSecretDigest.left(63);
    }

    // A digest edited in the store still counts as a password that is set, but no candidate opens it.
    void editedDigestNeverMatches()
    {
        QFETCH(QString, stored);
        TempStore store;
        {
            QSettings settings(QStringLiteral("Brookvane"), QStringLiteral("GlarewellWindows"));
            settings.setValue(QStringLiteral("relaxPasswordHash"), stored);
        }
        AppState state;
        QCOMPARE(state.relaxPasswordHash(), stored);
        QVERIFY(state.hasRelaxPassword());
        for (const QString &candidate : {QStringLiteral("secret"), QString(), stored}) {
            QVERIFY2(!state.verifyRelaxPassword(candidate), qPrintable(candidate));
        }
    }
};

QTEST_GUILESS_MAIN(TestBreakPassword)
#include "tst_breakpassword.moc"
