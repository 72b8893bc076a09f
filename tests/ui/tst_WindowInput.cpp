// SPDX-License-Identifier: MIT

// The keyboard and the mouse: focus, access keys, the read-only boxes, and
// the maker's web link under the mouse and when clicked.
#include "ScriptedDriver.h"
#include "WindowTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QTemporaryDir>

namespace {

// Where in the window a move over `target` lands: "surface" is the window's
// own empty top-left corner, "strip" the surface right of the link; a frame is
// met at its left edge, clear of its contents; anything else at its centre.
QPoint PointOf(const QWidget& window, const QString& target)
{
    if (target == u"surface") {
        return QPoint(8, 8);
    }
    if (target == u"strip") {  // right of the web address, where a wider label would have reached
        const QWidget* link = ControlOf(window, "lblUrl");
        return link->geometry().topRight() + QPoint(30, link->height() / 2);
    }
    const QWidget* control = ControlOf(window, qPrintable(target));
    const QPoint local = control->inherits("QGroupBox") ? QPoint(2, control->height() / 2) : control->rect().center();
    return control->mapTo(&window, local);
}

}  // namespace

class WindowInput : public QObject {
    Q_OBJECT

private slots:
    void KeysReadCloseOrChangeNothing_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("outcome");  // "closed", or the temperature, the log and the focus
        auto row = [](const char* name, const char* focus, const char* keys, const char* outcome) {
            QTest::newRow(name) << focus << QKeySequence(QString::fromLatin1(keys)) << outcome;
        };
        row("Alt+R reads from the status box", "txtOutput", "Alt+R", "25.0625||txtOutput");
        row("Return on Read reads", "cmdReadTemp", "Return", "25.0625||cmdReadTemp");
        row("Alt+C closes from the temperature box", "txtTemperatur", "Alt+C", "closed");
        row("Return on Close closes", "cmdClose", "Return", "closed");
        row("keypad Enter on Close closes", "cmdClose", "Enter", "closed");
        row("Space on Close closes", "cmdClose", "Space", "closed");
        row("Escape does nothing", "cmdClose", "Esc", "25|Port: 1\n|cmdClose");
        // A key that got through would leave "1", "1pasted" or "pasted" less a character, or nothing.
        row("typing into the temperature box", "txtTemperatur", "Ctrl+A, 1, Ctrl+V, Del", "25|Port: 1\n|txtTemperatur");
        row("typing into the status box", "txtOutput", "Ctrl+A, 1, Ctrl+V, Backspace", "25|Port: 1\n|txtOutput");
        row("Tab goes from Close to the temperature box", "cmdClose", "Tab", "25|Port: 1\n|txtTemperatur");
        row("then to the status box", "cmdClose", "Tab, Tab", "25|Port: 1\n|txtOutput");
        row("then to Read", "cmdClose", "Tab, Tab, Tab", "25|Port: 1\n|cmdReadTemp");
        row("and back to Close", "cmdClose", "Tab, Tab, Tab, Tab", "25|Port: 1\n|cmdClose");
        row("Shift+Tab goes from Close to Read", "cmdClose", "Shift+Tab", "25|Port: 1\n|cmdReadTemp");
    }

    void KeysReadCloseOrChangeNothing()
    {
        QFETCH(QString, focus);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, outcome);
        ScriptedDriver driver;
        driver.Frame(400).Frame(401);
        auto window = ShowLoadedWindow(basExampleFunctions(driver.Driver()));
        PressRead(*window);  // shows 25
        driver.calls.clear();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        ControlOf(*window, qPrintable(focus))->setFocus();
        QTest::keySequence(window->windowHandle(), keys);
        // An access key clicks its button a moment later.
        const auto focused = [] {
            return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        };
        QTRY_COMPARE(window->isVisible() ? TemperatureShown(*window) + u'|' + StatusLog(*window) + u'|' + focused()
                                         : QStringLiteral("closed"),
                     outcome);
        if (outcome == u"closed") {
            QVERIFY(driver.calls.empty());
        }
    }

    void TheLinkUnderlinesWithAHandOverTheWindowAndRestsOnlyOverTheSurface_data()
    {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<Qt::CursorShape>("pointer");  // where the last move ended
        const auto hand = Qt::PointingHandCursor;
        const auto arrow = Qt::ArrowCursor;
        QTest::newRow("at first it rests") << QStringList{} << false << arrow;
        QTest::newRow("over the link it underlines") << QStringList{"lblUrl"} << true << hand;
        QTest::newRow("over the surface it rests again") << QStringList{"lblUrl", "surface"} << false << arrow;
        QTest::newRow("beside the address is the surface") << QStringList{"lblUrl", "strip"} << false << arrow;
        const std::pair<const char*, Qt::CursorShape> controls[] = {
            {"lblMiral", hand}, {"imgMiral", hand},  {"frLayout", arrow},
            {"Image1", arrow},  {"cmdClose", arrow}, {"txtOutput", Qt::IBeamCursor}};
        for (const auto& [control, pointer] : controls) {
            QTest::addRow("from the link onto %s it stays", control)
                << QStringList{"lblUrl", control} << true << pointer;
        }
    }

    void TheLinkUnderlinesWithAHandOverTheWindowAndRestsOnlyOverTheSurface()
    {
        QFETCH(QStringList, moves);
        QFETCH(bool, hover);
        QFETCH(Qt::CursorShape, pointer);
        auto window = ShowLoadedWindow();
        auto* link = ControlOf<QLabel>(*window, "lblUrl");
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));  // from loading, before any move
        // From the surface's far corner: a move to where the mouse already is is no move.
        QPoint point(window->width() - 8, window->height() - 8);
        QTest::mouseMove(window->windowHandle(), point);
        for (const QString& target : moves) {
            point = PointOf(*window, target);
            QTest::mouseMove(window->windowHandle(), point);
        }
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->font().underline(), hover);
        const QWidget* under = window->childAt(point);
        QCOMPARE((under != nullptr ? under : window.get())->cursor().shape(), pointer);
    }

    void AClickOnTheLinkStartsTheBrowserOnceOrSaysWhyItCannot_data()
    {
        QTest::addColumn<QString>("browser");  // what lies at the browser path
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<QString>("box");  // how the message box's text starts; empty: no box
        QTest::addColumn<QByteArray>("recorded");
        auto row = [](const char* name, const char* browser, const char* gesture, const char* box, const char* out) {
            QTest::newRow(name) << browser << gesture << box << QByteArray(out);
        };
        row("a click opens the maker's address", "recorder", "click", "", "1\n[http://www.miral.example]\n");
        row("a program that cannot start is reported", "broken", "click", "Can not start ", "");
        row("a double click starts it once", "broken", "double", "Can not start ", "");
        row("a press let go off the link starts nothing", "broken", "off", "", "");
    }

    void AClickOnTheLinkStartsTheBrowserOnceOrSaysWhyItCannot()
    {
        QFETCH(QString, browser);
        QFETCH(QString, gesture);
        QFETCH(QString, box);
        QFETCH(QByteArray, recorded);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my browser"));  // a blank in the path
        const QByteArray content = browser == u"recorder" ? kRecorder : QByteArray("\x7f\x01 not a program\n");
        QVERIFY(WriteFile(path, content, true));
        MessageBoxCatcher catcher;
        auto window = ShowLoadedWindow();
        QCOMPARE(window->Form().sBrowserPath, "/usr/bin/xdg-open");  // the desktop's opener, as loaded
        window->Form().sBrowserPath = path.toStdString();
        const QPoint link = PointOf(*window, QStringLiteral("lblUrl"));
        if (gesture == u"double") {
            QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, link);
        } else if (gesture == u"off") {
            QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, link);
            QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, QPoint(4, 4));
        } else {
            QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, link);
        }
        QCOMPARE(catcher.seen.size(), box.isEmpty() ? 0 : 1);
        for (const QString& seen : catcher.seen) {
            QVERIFY2(seen.startsWith(QStringLiteral("PallixExample|") + box) && seen.contains(path), qPrintable(seen));
        }
        if (!recorded.isEmpty()) {
            QTRY_COMPARE(Contents(path + QStringLiteral(".out")), recorded);
        }
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(WindowInput)
#include "tst_WindowInput.moc"
