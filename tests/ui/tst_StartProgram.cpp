// Starting a program from one command line with an unquoted program path.
#include "RuntimeError.h"
#include "StartProgram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program that writes its argument count and arguments to "<itself>.out".
bool WriteRecorder(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write("#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"$0.tmp\"\n"
               "mv \"$0.tmp\" \"$0.out\"\n");
    file.close();
    return file.setPermissions(file.permissions() | QFile::ExeOwner);
}

bool WriteFile(const QString& path, const QByteArray& content, bool executable) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0) return false;
    file.close();
    return !executable || file.setPermissions(file.permissions() | QFile::ExeOwner);
}

QByteArray RecordedBy(const QString& program) {
    QFile out(program + QStringLiteral(".out"));
    return out.open(QIODevice::ReadOnly) ? out.readAll() : QByteArray();
}

}  // namespace

class StartProgram : public QObject {
    Q_OBJECT

private slots:
    void theFirstExecutableBeginningOfTheLineIsStartedWithTheRestAsItsArgument_data() {
        QTest::addColumn<QString>("program");    // relative to a fresh folder
        QTest::addColumn<QString>("argument");   // what follows the program and one blank
        QTest::addColumn<QString>("decoy");      // a shorter beginning that is no program; '/': a folder
        QTest::addColumn<QByteArray>("recorded");
        QTest::newRow("a plain path") << "browser" << "http://a.example" << "" << QByteArray("1\n[http://a.example]\n");
        QTest::newRow("a path with blanks") << "my web browser" << "http://a.example" << ""
                                            << QByteArray("1\n[http://a.example]\n");
        QTest::newRow("a shorter plain file is passed over") << "my web browser" << "x y" << "my"
                                                             << QByteArray("1\n[x y]\n");
        QTest::newRow("a shorter folder is passed over") << "tools dir/run" << "arg" << "tools/"
                                                         << QByteArray("1\n[arg]\n");
    }

    void theFirstExecutableBeginningOfTheLineIsStartedWithTheRestAsItsArgument() {
        QFETCH(QString, program);
        QFETCH(QString, argument);
        QFETCH(QString, decoy);
        QFETCH(QByteArray, recorded);
        QTemporaryDir dir;
        const QString path = dir.filePath(program);
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        if (decoy.endsWith(u'/')) {
            QVERIFY(QDir(dir.path()).mkpath(decoy));
        } else if (!decoy.isEmpty()) {
            QVERIFY(WriteFile(dir.filePath(decoy), "not a program\n", false));
        }
        QVERIFY(WriteRecorder(path));
        platform::StartProgram(path + u' ' + argument);
        QTRY_COMPARE(RecordedBy(path), recorded);
    }

    void aShorterExecutableBeginningWinsAsOnTheOriginalSystem() {
        QTemporaryDir dir;
        QVERIFY(WriteRecorder(dir.filePath(QStringLiteral("my"))));
        QVERIFY(WriteRecorder(dir.filePath(QStringLiteral("my browser"))));
        platform::StartProgram(dir.filePath(QStringLiteral("my browser http://a.example")));
        QTRY_COMPARE(RecordedBy(dir.filePath(QStringLiteral("my"))), QByteArray("1\n[browser http://a.example]\n"));
    }

    void noProgramFileIsError53_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("nothing at the path") << "missing";
        QTest::newRow("a file that is not executable") << "plain";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("an empty command line") << "empty";
    }

    void noProgramFileIsError53() {
        QFETCH(QString, what);
        QTemporaryDir dir;
        QVERIFY(WriteFile(dir.filePath(QStringLiteral("plain")), "#!/bin/sh\n", false));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const QString line = what == u"empty" ? QString() : dir.filePath(what) + QStringLiteral(" http://a.example");
        try {
            platform::StartProgram(line);
            QFAIL("no error was raised");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), 53);
            QCOMPARE(error.description(), std::string("File not found"));
        }
    }

    void aProgramFileThatCannotRunIsError5WithTheReason() {
        QTemporaryDir dir;
        const QString broken = dir.filePath(QStringLiteral("broken"));
        QVERIFY(WriteFile(broken, "\x7f\x01 garbage\n", true));
        try {
            platform::StartProgram(broken + QStringLiteral(" http://a.example"));
            QFAIL("no error was raised");
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), 5);
            const QString description = QString::fromStdString(error.description());
            QVERIFY2(description.contains(broken), qPrintable(description));
            QVERIFY2(description.size() > broken.size() + 16, qPrintable(description));  // a reason follows
        }
    }
};

QTEST_MAIN(StartProgram)
#include "tst_StartProgram.moc"
