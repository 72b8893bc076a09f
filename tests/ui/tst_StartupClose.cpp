// Loading the window, closing it, and the report of an untrapped error.
#include "EventBoundary.h"
#include "RuntimeError.h"
#include "ScriptedDriver.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <functional>
#include <new>
#include <stdexcept>

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class StartupClose : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { NameTheProgram(); }

    void loadingPutsTheApplicationTitleIntoTheCaption() {
        frmPallixExample window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Example"));
        window.Form_Load();
        QCOMPARE(window.windowTitle(), QStringLiteral("PallixExample"));
    }

    void loadingClosesTheConnectionFlagAndSetsUpTheLink() {
        basExampleFunctions::bDriverReady = true;
        frmPallixExample window;
        window.Form_Load();
        QVERIFY(!basExampleFunctions::bDriverReady);
        QCOMPARE(window.lLinkColor, QColor(0, 0, 255));
        QCOMPARE(ControlOf(window, "lblUrl")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(window.sBrowserPath, QStringLiteral("/usr/bin/xdg-open"));
    }

    void theFirstReadAfterLoadOpensTheAdapterAgain() {
        ScriptedDriver driver;
        driver.Frame(400);
        basExampleFunctions::bDriverReady = true;  // as an earlier window left it
        auto window = ShowLoadedWindow();
        QTest::mouseClick(ControlOf(*window, "cmdReadTemp"), Qt::LeftButton);
        QCOMPARE(driver.Calls().front(), std::string("InitiateDriver(3)"));
    }

    void closingCallsNoDriverOperation_data() {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Close at once") << false << false;
        QTest::newRow("Close after a reading") << true << false;
        QTest::newRow("the title bar's close box after a reading") << true << true;
    }

    void closingCallsNoDriverOperation() {
        QFETCH(bool, readFirst);
        QFETCH(bool, closeBox);
        ScriptedDriver driver;
        driver.Frame(400);
        auto window = ShowLoadedWindow();
        if (readFirst) QTest::mouseClick(ControlOf(*window, "cmdReadTemp"), Qt::LeftButton);
        driver.ClearCalls();
        if (closeBox) {
            window->windowHandle()->close();  // as the window system asks for it
        } else {
            QTest::mouseClick(ControlOf(*window, "cmdClose"), Qt::LeftButton);
        }
        QVERIFY(window->isHidden());
        QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));  // the only window: the program ends
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        QVERIFY(driver.Calls().empty());
    }

    void anUntrappedErrorIsReportedAndEndsTheEventLoopWithStatus1_data() {
        QTest::addColumn<Thrower>("thrower");
        QTest::addColumn<QString>("text");
        QTest::newRow("a run-time error") << Thrower([] { throw RuntimeError(6, "Overflow"); })
                                          << "Run-time error '6':\n\nOverflow";
        QTest::newRow("memory running out") << Thrower([] { throw std::bad_alloc(); })
                                            << "Run-time error '7':\n\nOut of memory";
        QTest::newRow("any other exception")
            << Thrower([] { throw std::runtime_error("Something broke"); })
            << "Run-time error '51':\n\nSomething broke";
    }

    void anUntrappedErrorIsReportedAndEndsTheEventLoopWithStatus1() {
        QFETCH(Thrower, thrower);
        QFETCH(QString, text);
        MessageBoxCatcher boxes;
        bool finished = true;
        QTimer::singleShot(0, [&] { finished = EventBoundary::Run(thrower); });
        QCOMPARE(QCoreApplication::exec(), 1);
        QVERIFY(!finished);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.title(), QStringLiteral("PallixExample"));
        QCOMPARE(boxes.text(), text);
        QCOMPARE(boxes.buttonCount(), 1);
    }

    void aHandlerThatFinishesLeavesTheEventLoopRunning() {
        MessageBoxCatcher boxes;
        bool finished = false;
        QTimer::singleShot(0, [&] { finished = EventBoundary::Run([] {}); });
        QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(finished);
        QCOMPARE(boxes.count(), 0);
    }
};

QTEST_MAIN(StartupClose)
#include "tst_StartupClose.moc"
