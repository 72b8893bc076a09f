// The window's two helpers: starting a program from one unquoted command line,
// and the report of an error no handler traps.
#include "EventBoundary.h"
#include "StartProgram.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

class ProgramHelpers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("PallixExample")); }

    void TheShortestBeginningOfTheLineThatIsAProgramGetsTheRestAsItsArgument_data()
    {
        QTest::addColumn<QStringList>("files");  // "name*" a recorder, "name/" a folder, else a plain file
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("started");  // empty: error 53
        QTest::addColumn<QByteArray>("recorded");
        QTest::newRow("blanks in the path") << QStringList{"my web browser*"} << "my web browser http://a.example x"
                                            << "my web browser" << QByteArray("1\n[http://a.example x]\n");
        QTest::newRow("a shorter plain file is passed over") << QStringList{"my", "my browser*"} << "my browser x"
                                                             << "my browser" << QByteArray("1\n[x]\n");
        QTest::newRow("a shorter folder is passed over") << QStringList{"tools/", "tools dir/run*"} << "tools dir/run x"
                                                         << "tools dir/run" << QByteArray("1\n[x]\n");
        QTest::newRow("a shorter program wins") << QStringList{"my*", "my browser*"} << "my browser x"
                                                << "my" << QByteArray("1\n[browser x]\n");
        QTest::newRow("no program is error 53") << QStringList{"my", "tools/"} << "my x"
                                                << "" << QByteArray();
    }

    void TheShortestBeginningOfTheLineThatIsAProgramGetsTheRestAsItsArgument()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, line);
        QFETCH(QString, started);
        QFETCH(QByteArray, recorded);
        QTemporaryDir dir;
        for (QString file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(file)).path()));
            if (file.endsWith(u'/')) {
                continue;
            }
            const bool program = file.endsWith(u'*');
            if (program) {
                file.chop(1);
            }
            QVERIFY(WriteFile(dir.filePath(file), program ? kRecorder : "not a program\n", program));
        }
        try {
            platform::StartProgram(dir.filePath(line));
            QVERIFY(!started.isEmpty());
            QTRY_COMPARE(Contents(dir.filePath(started + QStringLiteral(".out"))), recorded);
        } catch (const RuntimeError& error) {
            QCOMPARE(started, QString());
            QCOMPARE(error.number(), 53);
        }
    }

    void AnUntrappedRunTimeErrorIsReportedAndEndsTheEventLoopWithStatus1()
    {
        MessageBoxCatcher catcher;
        bool finished = true;
        QTimer::singleShot(0, [&] { finished = EventBoundary::Run([] { throw RuntimeError(6, "Overflow"); }); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(!finished);
        QCOMPARE(catcher.seen, QStringList{"PallixExample|Run-time error '6':\n\nOverflow"});
    }
};

QTEST_MAIN(ProgramHelpers)
#include "tst_ProgramHelpers.moc"
