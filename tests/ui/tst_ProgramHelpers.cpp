// SPDX-License-Identifier: MIT

// The window's two helpers: starting a program from one unquoted command line,
// and the report of an error no handler traps.
#include "RuntimeError.h"
#include "StartProgram.h"
#include "WindowTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

class ProgramHelpers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QGuiApplication::setApplicationDisplayName(QStringLiteral("PallixExample")); }

    void TheShortestBeginningOfTheLineThatNamesAFileIsTheProgram_data()
    {
        // "name*" a recorder, "name!" an executable that is no program, "name/" a folder, else a plain file
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("outcome");  // the program started, or the error
        QTest::addColumn<QByteArray>("recorded");
        auto row = [](const char* name, QStringList files, const char* line, const char* outcome, const char* out) {
            QTest::newRow(name) << files << line << outcome << QByteArray(out);
        };
        row("blanks in the path", {"my web browser*"}, "my web browser http://a.example x", "my web browser",
            "1\n[http://a.example x]\n");
        row("a shorter folder is passed over", {"tools/", "tools dir/run*"}, "tools dir/run x", "tools dir/run",
            "1\n[x]\n");
        row("a shorter program wins", {"my*", "my browser*"}, "my browser x", "my", "1\n[browser x]\n");
        row("a file that may not be run is error 70", {"my", "my browser*"}, "my browser x", "error 70", "");
        row("a file that is no program is error 5", {"my browser!"}, "my browser x", "error 5", "");
        row("no file is error 53", {"tools/"}, "my x", "error 53", "");
    }

    void TheShortestBeginningOfTheLineThatNamesAFileIsTheProgram()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, line);
        QFETCH(QString, outcome);
        QFETCH(QByteArray, recorded);
        QTemporaryDir dir;
        for (QString file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(file)).path()));
            const QChar kind = file.back();
            if (kind == u'/') {
                continue;
            }
            if (kind == u'*' || kind == u'!') {
                file.chop(1);
            }
            const QByteArray content = kind == u'*' ? kRecorder : QByteArray("\x7f\x01 not a program\n");
            QVERIFY(WriteFile(dir.filePath(file), content, kind == u'*' || kind == u'!'));
        }
        try {
            platform::StartProgram(dir.filePath(line));
            QTRY_COMPARE(Contents(dir.filePath(outcome + QStringLiteral(".out"))), recorded);
        } catch (const RuntimeError& error) {
            QCOMPARE(QStringLiteral("error %1").arg(error.number()), outcome);
            if (error.number() != 53) {  // the reason names the file
                QVERIFY2(QString::fromStdString(error.description()).contains(dir.path()), error.what());
            }
        }
    }

    void AReportIsABoxTitledWithTheProgramAndTheEndLeavesTheEventLoopWithItsStatus()
    {
        MessageBoxCatcher catcher;
        auto window = ShowLoadedWindow();
        QTimer::singleShot(0, [&] {
            window->ShowMessage("Run-time error '6':\n\nOverflow", frmPallixExampleView::MessageIcon::Critical);
            window->EndProgram(1);
        });
        QCOMPARE(QCoreApplication::exec(), 1);
        QCOMPARE(window->EndStatus(), 1);
        QCOMPARE(catcher.seen, QStringList{"PallixExample|Run-time error '6':\n\nOverflow"});
    }
};

QTEST_MAIN(ProgramHelpers)
#include "tst_ProgramHelpers.moc"
