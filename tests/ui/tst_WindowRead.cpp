// A press of Read through the window: what the two boxes show, against the
// scripted driver and against the simulated driver library.
#include "Pallix400.h"
#include "Pallix400Sim.h"
#include "ScriptedDriver.h"
#include "Sleep.h"
#include "WindowTestSupport.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <algorithm>

Q_DECLARE_METATYPE(Pallix400Sim::Fault)

namespace {

struct Boxes {
    QLineEdit* temperature;
    QPlainTextEdit* output;
};

Boxes BoxesOf(const frmPallixExample& window) {
    return {ControlOf<QLineEdit>(window, "txtTemperatur"), ControlOf<QPlainTextEdit>(window, "txtOutput")};
}

void PressRead(const frmPallixExample& window) {
    QTest::mouseClick(ControlOf(window, "cmdReadTemp"), Qt::LeftButton);
}

long CallsOf(const ScriptedDriver& driver, const char* call) {
    return std::count(driver.Calls().begin(), driver.Calls().end(), call);
}

}  // namespace

class WindowRead : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        NameTheProgram();
        platform::ReplaceSleep([](std::chrono::milliseconds) {});  // the simulator's wait
    }

    void beforeTheFirstPressTheBoxesShowNoValueAndNothing() {
        auto window = ShowLoadedWindow();
        QCOMPARE(BoxesOf(*window).temperature->text(), QStringLiteral("No value"));
        QCOMPARE(BoxesOf(*window).output->toPlainText(), QString());
    }

    void aFailedOpenKeepsNoValueAndTheNextPressTriesAgain() {
        ScriptedDriver driver;
        driver.InitiateResult(0).ErrorText("No adapter", 10);
        auto window = ShowLoadedWindow();
        const Boxes boxes = BoxesOf(*window);
        PressRead(*window);
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Error: InitiateDriver: No adapter\n"));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("No value"));
        QCOMPARE(CallsOf(driver, "ReadTestpins()"), 0);

        driver.ErrorText("Still none", 10);
        PressRead(*window);
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Error: InitiateDriver: Still none\n"));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("No value"));
        QCOMPARE(CallsOf(driver, "InitiateDriver(3)"), 2);
    }

    void theFirstSuccessShowsThePortAndTheNextPressEmptiesTheStatusBox() {
        ScriptedDriver driver;
        driver.Frame(400).Frame(401);
        auto window = ShowLoadedWindow();
        const Boxes boxes = BoxesOf(*window);
        PressRead(*window);
        QCOMPARE(boxes.temperature->text(), QStringLiteral("25"));
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Port: 1\n"));

        PressRead(*window);
        QCOMPARE(boxes.temperature->text(), QStringLiteral("25.0625"));
        QCOMPARE(boxes.output->toPlainText(), QString());
        QCOMPARE(CallsOf(driver, "InitiateDriver(3)"), 1);
    }

    void theStatusLogShowsOneLinePerLineWithoutBlankLines() {
        ScriptedDriver driver;
        driver.SetPortResult(0);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        const QTextDocument* log = BoxesOf(*window).output->document();
        QCOMPARE(log->blockCount(), 3);  // two lines, the caret after the last
        QCOMPARE(log->findBlockByNumber(0).text(), QStringLiteral("Can not set Port1"));
        QCOMPARE(log->findBlockByNumber(1).text(), QStringLiteral("Port: 1"));
        QCOMPARE(log->findBlockByNumber(2).text(), QString());
    }

    void aRejectedFrameShowsError() {
        ScriptedDriver driver;
        driver.Frame(400, 0b0111);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(BoxesOf(*window).temperature->text(), QStringLiteral("Error"));
        QCOMPARE(BoxesOf(*window).output->toPlainText(), QStringLiteral("Port: 1\n"));
    }

    void aFailedSetPortKeepsNoValueAndTheNextPressInitiatesAgain() {
        ScriptedDriver driver;
        driver.SetPortResult(0);
        auto window = ShowLoadedWindow();
        const Boxes boxes = BoxesOf(*window);
        PressRead(*window);
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Can not set Port1\nPort: 1\n"));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("No value"));

        driver.SetPortResult(1).Frame(-1);
        PressRead(*window);
        QCOMPARE(CallsOf(driver, "InitiateDriver(3)"), 2);
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Port: 1\n"));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("-0.0625"));
    }

    void aMissingDriverOperationIsReportedAndTheWindowGoesOn() {
        ScriptedDriver driver;
        driver.Without("ReadTestpins");
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(BoxesOf(*window).temperature->text(), QStringLiteral("Error"));
        QVERIFY(BoxesOf(*window).output->toPlainText().startsWith(QStringLiteral("Port: 1\nError: ")));
        QVERIFY(window->isVisible());
    }

    void theSimulatedSensorsTemperatureIsShown_data() {
        QTest::addColumn<double>("celsius");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a whole number has no decimals") << 25.0 << "25";
        QTest::newRow("a sixteenth of a degree") << 25.0625 << "25.0625";
        QTest::newRow("below zero") << -0.0625 << "-0.0625";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("a half") << 100.5 << "100.5";
    }

    void theSimulatedSensorsTemperatureIsShown() {
        QFETCH(double, celsius);
        QFETCH(QString, shown);
        Pallix400Sim::Control{}.Reset().Temperature(celsius);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(BoxesOf(*window).temperature->text(), shown);
        QCOMPARE(BoxesOf(*window).output->toPlainText(), QStringLiteral("Port: 1\n"));
    }

    void theSimulatorsFaultsShowInTheBoxes_data() {
        QTest::addColumn<Pallix400Sim::Fault>("fault");
        QTest::addColumn<QString>("temperature");
        QTest::addColumn<QString>("logStart");
        QTest::newRow("port refused") << Pallix400Sim::Fault::Port << "No value" << "Can not set Port1\nPort: ";
        QTest::newRow("no sensor") << Pallix400Sim::Fault::NoSensor << "Error" << "Port: 1\n";
        QTest::newRow("driver fails to start") << Pallix400Sim::Fault::Init << "No value" << "Error: InitiateDriver: ";
    }

    void theSimulatorsFaultsShowInTheBoxes() {
        QFETCH(Pallix400Sim::Fault, fault);
        QFETCH(QString, temperature);
        QFETCH(QString, logStart);
        Pallix400Sim::Control{}.Reset().Temperature(20.0).Fault(fault);
        auto window = ShowLoadedWindow();
        PressRead(*window);
        QCOMPARE(BoxesOf(*window).temperature->text(), temperature);
        QVERIFY2(BoxesOf(*window).output->toPlainText().startsWith(logStart),
                 qPrintable(BoxesOf(*window).output->toPlainText()));
    }

    void aMissingDriverLibraryShowsItsErrorLineAndTheWindowGoesOn() {
        Pallix400Sim::Control{}.Reset().Temperature(21.5);
        Pallix400::ResetLoader("/nonexistent/libPallix400.so");
        auto window = ShowLoadedWindow();
        const Boxes boxes = BoxesOf(*window);
        PressRead(*window);
        const QString log = boxes.output->toPlainText();
        Pallix400::ResetLoader();
        QVERIFY2(log.startsWith(QStringLiteral("Error: File not found: ")), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("/nonexistent/libPallix400.so")), qPrintable(log));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("No value"));
        QVERIFY(window->isVisible());

        PressRead(*window);  // the library is back: the next press opens it
        QCOMPARE(boxes.output->toPlainText(), QStringLiteral("Port: 1\n"));
        QCOMPARE(boxes.temperature->text(), QStringLiteral("21.5"));
    }
};

QTEST_MAIN(WindowRead)
#include "tst_WindowRead.moc"
