// Presses of Read through the window: what the two boxes show, against the
// scripted driver and through the loader.
#include "Pallix400.h"
#include "ScriptedDriver.h"
#include "Sleep.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <QLocale>

class WindowRead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        platform::ReplaceSleep([](std::chrono::milliseconds) {});  // the wait before each reading
    }

    void EachPressShowsTheTemperatureAndItsOwnLogLines()
    {
        ScriptedDriver driver;
        driver.initiateResult = 0;
        driver.errorText = "No adapter";
        driver.errorCount = 10;
        basExampleFunctions::bDriverReady = true;  // as an earlier window left it: loading clears it
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("No value"));
        QCOMPARE(StatusLog(*window), QStringLiteral("Error: InitiateDriver: No adapter\n"));

        driver.initiateResult = Pallix400::kDriverReady;
        driver.Frame(400).Frame(400, 0b0111);
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("25"));
        QCOMPARE(StatusLog(*window), QStringLiteral("Port: 1\n"));
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("Error"));
        QCOMPARE(StatusLog(*window), QString());
    }

    void AMissingDriverLibraryShowsItsErrorLineAndTheWindowGoesOn()
    {
        qputenv("PALLIX400_SIM_TEMP", "21.5");
        const std::string nowhere = "/nonexistent/libPallix400.so";
        Pallix400::ResetLoader(nowhere, "");
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(StatusLog(*window), QStringLiteral("Error: File not found: /nonexistent/libPallix400.so\n"));
        QCOMPARE(TemperatureShown(*window), QStringLiteral("No value"));

        Pallix400::ResetLoader(nowhere, PALLIX_SIMULATOR);  // the simulator is back: the next press opens it
        PressRead(*window);
        Pallix400::ResetLoader();
        QCOMPARE(StatusLog(*window), QStringLiteral("Simulated adapter: no libPallix400.so is installed\nPort: 1\n"));
        QCOMPARE(TemperatureShown(*window), QStringLiteral("21.5"));
    }

    // ui_WindowReadDecimalComma runs this again under LC_ALL=de_DE.UTF-8.
    void TheTemperatureIsWrittenWithTheUsersDecimalSeparator()
    {
        const QString separator = QLocale::system().decimalPoint();
        if (qEnvironmentVariable("LC_ALL").startsWith(u"de_DE")) {
            QCOMPARE(separator, QStringLiteral(","));
        }
        ScriptedDriver driver;
        driver.Frame(-1);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("-0") + separator + QStringLiteral("0625"));
    }
};

QTEST_MAIN(WindowRead)
#include "tst_WindowRead.moc"
