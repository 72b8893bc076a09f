// A reading in a locale that writes numbers with a decimal comma. Run with
// LC_ALL=de_DE.UTF-8 (see CMakeLists.txt): the window takes the separator
// from the user's locale.
#include "ScriptedDriver.h"
#include "WindowTestSupport.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

class WindowReadDecimalComma : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        NameTheProgram();
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
    }

    void theTemperatureIsWrittenWithTheUsersDecimalSeparator_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a sixteenth above 25") << 401 << "25,0625";
        QTest::newRow("below zero") << -1 << "-0,0625";
        QTest::newRow("whole degrees") << 400 << "25";
        QTest::newRow("thousands have no group separator") << -4096 << "-256";
    }

    void theTemperatureIsWrittenWithTheUsersDecimalSeparator() {
        QFETCH(int, raw);
        QFETCH(QString, shown);
        ScriptedDriver driver;
        driver.Frame(raw);
        auto window = ShowLoadedWindow();
        QTest::mouseClick(ControlOf(*window, "cmdReadTemp"), Qt::LeftButton);
        QCOMPARE(ControlOf<QLineEdit>(*window, "txtTemperatur")->text(), shown);
    }
};

QTEST_MAIN(WindowReadDecimalComma)
#include "tst_WindowReadDecimalComma.moc"
