// Presses of Read through the window: what the two boxes show.
#include "ScriptedDriver.h"
#include "WindowTestSupport.h"

class WindowRead : public QObject {
    Q_OBJECT

private slots:
    void EachPressShowsTheTemperatureAndItsOwnLogLines()
    {
        ScriptedDriver driver;
        driver.initiateResult = 0;
        driver.errorText = "No adapter";
        driver.errorCount = 10;
        auto window = std::make_unique<frmPallixExample>(nullptr, driver.Driver());
        window->Adapter().bDriverReady = true;  // loading clears it
        window = ShowLoadedWindow(std::move(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("PallixExample"));  // never the stored "Example"
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("No value"));
        QCOMPARE(StatusLog(*window), QStringLiteral("Error: InitiateDriver: No adapter\n"));

        driver.initiateResult = Pallix400Api::kDriverReady;
        driver.Frame(400).Frame(400).Frame(400, 0b0111);
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("25"));
        QCOMPARE(StatusLog(*window), QStringLiteral("Port: 1\n"));
        // What the user selected of an equal reading stays selected.
        ControlOf<QLineEdit>(*window, "txtTemperatur")->selectAll();
        PressRead(*window);
        QCOMPARE(ControlOf<QLineEdit>(*window, "txtTemperatur")->selectedText(), QStringLiteral("25"));
        PressRead(*window);
        QCOMPARE(TemperatureShown(*window), QStringLiteral("Error"));
        QCOMPARE(StatusLog(*window), QString());
    }
};

QTEST_MAIN(WindowRead)
#include "tst_WindowRead.moc"
