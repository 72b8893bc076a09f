// Focus, tab order, access keys and the read-only text boxes.
#include "ScriptedDriver.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Qt::Key)

namespace {

QString FocusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("<none>");
}

QString TextOf(const QWidget* box) {
    if (auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    return qobject_cast<const QPlainTextEdit*>(box)->toPlainText();
}

}  // namespace

class WindowKeyboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { NameTheProgram(); }

    void theFocusIsOnCloseWhenTheWindowOpens() {
        ScriptedDriver driver;
        auto window = ShowLoadedWindow();
        QCOMPARE(FocusName(), QStringLiteral("cmdClose"));
    }

    void tabKeysCycleThroughTheFourFocusableControls_data() {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QStringList>("visited");
        QTest::newRow("Tab goes forward") << Qt::KeyboardModifiers()
            << QStringList{"txtTemperatur", "txtOutput", "cmdReadTemp", "cmdClose", "txtTemperatur"};
        QTest::newRow("Shift+Tab goes back") << Qt::KeyboardModifiers(Qt::ShiftModifier)
            << QStringList{"cmdReadTemp", "txtOutput", "txtTemperatur", "cmdClose", "cmdReadTemp"};
    }

    void tabKeysCycleThroughTheFourFocusableControls() {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QStringList, visited);
        ScriptedDriver driver;
        auto window = ShowLoadedWindow();
        QStringList seen;
        for (qsizetype i = 0; i < visited.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen << FocusName();
        }
        QCOMPARE(seen, visited);
        QVERIFY(driver.Calls().empty());
    }

    void onlyTheButtonsAndTextBoxesTakeTheFocus() {
        frmPallixExample window;
        const QStringList focusable{"cmdClose", "txtTemperatur", "txtOutput", "cmdReadTemp"};
        for (QWidget* control : window.findChildren<QWidget*>()) {
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith(u"qt_")) continue;  // the toolkit's own parts
            const bool takesFocus = control->focusPolicy() != Qt::NoFocus;
            QVERIFY2(takesFocus == focusable.contains(name),
                     qPrintable(name));
        }
    }

    void altRPressesReadWhereverTheFocusIs_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("from Close") << "cmdClose";
        QTest::newRow("from the temperature box") << "txtTemperatur";
        QTest::newRow("from the status box") << "txtOutput";
        QTest::newRow("from Read itself") << "cmdReadTemp";
    }

    void altRPressesReadWhereverTheFocusIs() {
        QFETCH(QString, focus);
        ScriptedDriver driver;
        driver.Frame(400);
        auto window = ShowLoadedWindow();
        ControlOf(*window, qPrintable(focus))->setFocus();
        QTest::keyClick(window.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(ControlOf<QLineEdit>(*window, "txtTemperatur")->text(), QStringLiteral("25"));
        QCOMPARE(ControlOf<QPlainTextEdit>(*window, "txtOutput")->toPlainText(), QStringLiteral("Port: 1\n"));
        QVERIFY(window->isVisible());
    }

    void altCClosesWhereverTheFocusIs_data() { altRPressesReadWhereverTheFocusIs_data(); }

    void altCClosesWhereverTheFocusIs() {
        QFETCH(QString, focus);
        ScriptedDriver driver;
        auto window = ShowLoadedWindow();
        ControlOf(*window, qPrintable(focus))->setFocus();
        QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(window->isHidden());
        QVERIFY(driver.Calls().empty());
    }

    void enterOrSpaceOnTheFocusedCloseButtonCloses_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter on the keypad") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }

    void enterOrSpaceOnTheFocusedCloseButtonCloses() {
        QFETCH(Qt::Key, key);
        ScriptedDriver driver;
        auto window = ShowLoadedWindow();
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(window->isHidden());
    }

    void enterOnTheFocusedReadButtonReads() {
        ScriptedDriver driver;
        driver.Frame(401);
        auto window = ShowLoadedWindow();
        ControlOf(*window, "cmdReadTemp")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(ControlOf<QLineEdit>(*window, "txtTemperatur")->text(), QStringLiteral("25.0625"));
        QVERIFY(window->isVisible());
    }

    void escapeClosesNothing() {
        ScriptedDriver driver;
        auto window = ShowLoadedWindow();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(window->isVisible());
    }

    void typingPastingOrDeletingInATextBoxChangesNothing_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QKeySequence>("keys");
        for (const char* box : {"txtTemperatur", "txtOutput"}) {
            QTest::addRow("typing in %s", box) << box << QKeySequence(QStringLiteral("1, 2"));
            QTest::addRow("pasting into %s", box) << box << QKeySequence(QKeySequence::Paste);
            QTest::addRow("cutting from %s", box) << box << QKeySequence(QKeySequence::Cut);
            QTest::addRow("Backspace in %s", box) << box << QKeySequence(Qt::Key_Backspace);
            QTest::addRow("Delete in %s", box) << box << QKeySequence(Qt::Key_Delete);
        }
    }

    void typingPastingOrDeletingInATextBoxChangesNothing() {
        QFETCH(QString, box);
        QFETCH(QKeySequence, keys);
        ScriptedDriver driver;
        driver.Frame(400);
        auto window = ShowLoadedWindow();
        QTest::mouseClick(ControlOf(*window, "cmdReadTemp"), Qt::LeftButton);  // fills both boxes
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QWidget* target = ControlOf(*window, qPrintable(box));
        const QString before = TextOf(target);
        QVERIFY(!before.isEmpty());
        target->setFocus();
        QTest::keySequence(target, QKeySequence::SelectAll);
        QTest::keySequence(target, keys);
        QCOMPARE(TextOf(target), before);
    }

    void theTextInEitherBoxCanBeSelectedAndCopied_data() {
        QTest::addColumn<QString>("box");
        QTest::newRow("temperature box") << "txtTemperatur";
        QTest::newRow("status box") << "txtOutput";
    }

    void theTextInEitherBoxCanBeSelectedAndCopied() {
        QFETCH(QString, box);
        ScriptedDriver driver;
        driver.Frame(401);
        auto window = ShowLoadedWindow();
        QTest::mouseClick(ControlOf(*window, "cmdReadTemp"), Qt::LeftButton);
        QWidget* target = ControlOf(*window, qPrintable(box));
        QApplication::clipboard()->clear();
        target->setFocus();
        QTest::keySequence(target, QKeySequence::SelectAll);
        QTest::keySequence(target, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), TextOf(target));
        QVERIFY(!TextOf(target).isEmpty());
    }
};

QTEST_MAIN(WindowKeyboard)
#include "tst_WindowKeyboard.moc"
