// A press of Read through the window: what the two boxes show, against the
// scripted driver, the simulated driver library and a missing library.
#include "Pallix400.h"
#include "Pallix400Sim.h"
#include "ScriptedDriver.h"
#include "Sleep.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <QLocale>

#include <algorithm>
#include <functional>

using Script = std::function<void(ScriptedDriver&)>;
Q_DECLARE_METATYPE(Script)
Q_DECLARE_METATYPE(Pallix400Sim::Fault)

class WindowRead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::ReplaceSleep([](std::chrono::milliseconds) {});
    }  // the simulator's wait

    void APressShowsWhatTheDriverAnswersAndOnlyAFailureMakesTheNextPressOpenTheAdapterAgain_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("opensAgain");
        QTest::newRow("a good frame shows the port once")
            << Script([](ScriptedDriver& driver) { driver.Frame(400); }) << "25"
            << "Port: 1\n"
            << false;
        QTest::newRow("a rejected frame shows Error")
            << Script([](ScriptedDriver& driver) { driver.Frame(400, 0b0111); }) << "Error"
            << "Port: 1\n"
            << false;
        QTest::newRow("a failed open keeps No value")
            << Script([](ScriptedDriver& driver) { driver.InitiateResult(0).ErrorText("No adapter", 10); })
            << "No value"
            << "Error: InitiateDriver: No adapter\n"
            << true;
        QTest::newRow("a refused port keeps No value")
            << Script([](ScriptedDriver& driver) { driver.SetPortResult(0); }) << "No value"
            << "Can not set Port1\nPort: 1\n"
            << true;
    }

    void APressShowsWhatTheDriverAnswersAndOnlyAFailureMakesTheNextPressOpenTheAdapterAgain()
    {
        QFETCH(Script, script);
        QFETCH(QString, temperature);
        QFETCH(QString, log);
        QFETCH(bool, opensAgain);
        ScriptedDriver driver;
        script(driver);
        basExampleFunctions::bDriverReady = true;  // as an earlier window left it: loading clears it
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), temperature);
        QCOMPARE(StatusLog(*window), log);

        driver.InitiateResult(Pallix400::kDriverReady).SetPortResult(1).Frame(401);
        PressRead(*window);
        QCOMPARE(std::count(driver.Calls().begin(), driver.Calls().end(), "InitiateDriver(3)"), opensAgain ? 2 : 1);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("25.0625"));
        QCOMPARE(StatusLog(*window), opensAgain ? QStringLiteral("Port: 1\n") : QString());
    }

    void TheSimulatedSensorShowsThroughTheDriverLibrary_data()
    {
        QTest::addColumn<Pallix400Sim::Fault>("fault");
        QTest::addColumn<QString>("temperature");
        QTest::newRow("a working sensor") << Pallix400Sim::Fault::None << "23.5";
        QTest::newRow("no sensor on the line") << Pallix400Sim::Fault::NoSensor << "Error";
    }

    void TheSimulatedSensorShowsThroughTheDriverLibrary()
    {
        QFETCH(Pallix400Sim::Fault, fault);
        QFETCH(QString, temperature);
        Pallix400Sim::Control{}.Reset().Temperature(23.5).Fault(fault);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), temperature);
        QCOMPARE(StatusLog(*window), QStringLiteral("Port: 1\n"));
    }

    void AMissingDriverLibraryShowsItsErrorLineAndTheWindowGoesOn()
    {
        Pallix400Sim::Control{}.Reset().Temperature(21.5);
        Pallix400::ResetLoader("/nonexistent/libPallix400.so");
        auto window = ShowLoadedWindow();
        PressRead(*window);
        Pallix400::ResetLoader();
        QVERIFY2(StatusLog(*window).startsWith(u"Error: File not found: /nonexistent/libPallix400.so"),
                 qPrintable(StatusLog(*window)));
        QCOMPARE(TemperatureShown(*window), QStringLiteral("No value"));

        PressRead(*window);  // the library is back: the next press opens it
        QCOMPARE(StatusLog(*window), QStringLiteral("Port: 1\n"));
        QCOMPARE(TemperatureShown(*window), QStringLiteral("21.5"));
    }

    // ui_WindowReadDecimalComma runs this again under LC_ALL=de_DE.UTF-8.
    void TheTemperatureIsWrittenWithTheUsersDecimalSeparator_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("shown");  // '.' stands for the user's separator
        QTest::newRow("a sixteenth above 25") << 401 << "25.0625";
        QTest::newRow("below zero") << -1 << "-0.0625";
        QTest::newRow("whole degrees have no separator") << 400 << "25";
    }

    void TheTemperatureIsWrittenWithTheUsersDecimalSeparator()
    {
        QFETCH(int, raw);
        QFETCH(QString, shown);
        const QString separator = QLocale::system().decimalPoint();
        if (qEnvironmentVariable("LC_ALL").startsWith(u"de_DE")) {
            QCOMPARE(separator, QStringLiteral(","));
        }
        ScriptedDriver driver;
        driver.Frame(raw);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), shown.replace(u'.', separator));
    }
};

QTEST_MAIN(WindowRead)
#include "tst_WindowRead.moc"
