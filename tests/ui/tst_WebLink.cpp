// The maker's web link: its look under the mouse and what a click starts.
#include "WindowTestSupport.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QColor kLinkBlue(0, 0, 255);

// Where in the window a move over `target` lands: "surface" is the window's
// own empty top-left corner; a frame is met at its left edge, clear of its
// contents; a name ending in '+' is a second point on the same control.
QPoint PointOf(const QWidget& window, QString target) {
    if (target == u"surface") return QPoint(8, 8);
    const bool second = target.endsWith(u'+');
    if (second) target.chop(1);
    const QWidget* control = ControlOf(window, qPrintable(target));
    QPoint local = control->rect().center() + (second ? QPoint(5, 1) : QPoint());
    if (control->inherits("QGroupBox")) local = QPoint(2, control->height() / 2);
    return control->mapTo(&window, local);
}

// The control the user sees at `point`: the toolkit's own inner parts count
// as the control they belong to.
QString ControlAt(const QWidget& window, const QPoint& point) {
    for (const QWidget* under = window.childAt(point); under; under = under->parentWidget()) {
        const QString name = under->objectName();
        if (!name.isEmpty() && !name.startsWith(u"qt_")) return name;
    }
    return QStringLiteral("surface");
}

bool LinkUnderlined(const frmPallixExample& window) {
    return ControlOf<QLabel>(window, "lblUrl")->font().underline();
}

bool HandPointer(const frmPallixExample& window) {
    return window.testAttribute(Qt::WA_SetCursor) && window.cursor().shape() == Qt::PointingHandCursor;
}

QColor LinkColour(const frmPallixExample& window) {
    return ControlOf(window, "lblUrl")->palette().color(QPalette::WindowText);
}

void ClickLink(const frmPallixExample& window, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window.windowHandle(), button, {}, PointOf(window, QStringLiteral("lblUrl")));
}

// An executable file whose content no system can run.
QString WriteUnrunnableProgram(const QTemporaryDir& dir) {
    QFile file(dir.filePath(QStringLiteral("broken browser")));
    if (!file.open(QIODevice::WriteOnly) || file.write("\x7f\x01 not a program\n") < 0) return {};
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return file.fileName();
}

}  // namespace

class WebLink : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { NameTheProgram(); }

    void theLinkStartsInItsColourWithoutUnderline() {
        auto window = ShowLoadedWindow();
        QCOMPARE(LinkColour(*window), kLinkBlue);
        QVERIFY(!LinkUnderlined(*window));
        QVERIFY(!window->testAttribute(Qt::WA_SetCursor));
    }

    void mouseMovesSwitchTheLookOnlyOverTheLinkAndTheSurface_data() {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<bool>("hover");
        QTest::newRow("over the link it underlines") << QStringList{"lblUrl"} << true;
        QTest::newRow("over the surface it rests again") << QStringList{"lblUrl", "surface"} << false;
        QTest::newRow("repeated moves over the link keep it") << QStringList{"lblUrl", "lblUrl+"} << true;
        QTest::newRow("back over the link after resting") << QStringList{"lblUrl", "surface", "lblUrl"} << true;
        QTest::newRow("the surface alone changes nothing visible") << QStringList{"surface"} << false;
        for (const char* control : {"lblMiral", "imgMiral", "frLayout", "frReadTemp", "frOutput", "cmdClose",
                                    "cmdReadTemp", "txtTemperatur", "txtOutput", "Image1", "lblClk", "lblC",
                                    "Label1"}) {
            QTest::addRow("from the link onto %s it stays", control) << QStringList{"lblUrl", control} << true;
            QTest::addRow("%s alone does not underline", control) << QStringList{control} << false;
        }
    }

    void mouseMovesSwitchTheLookOnlyOverTheLinkAndTheSurface() {
        QFETCH(QStringList, moves);
        QFETCH(bool, hover);
        auto window = ShowLoadedWindow();
        for (const QString& target : moves) {
            const QPoint point = PointOf(*window, target);
            QVERIFY2(target.startsWith(ControlAt(*window, point)), qPrintable(target));
            QTest::mouseMove(window->windowHandle(), point);
            QCOMPARE(LinkColour(*window), kLinkBlue);
        }
        QCOMPARE(LinkUnderlined(*window), hover);
        QCOMPARE(HandPointer(*window), hover);
        QCOMPARE(window->testAttribute(Qt::WA_SetCursor), hover);
        QVERIFY(!ControlOf(*window, "lblUrl")->testAttribute(Qt::WA_SetCursor));
    }

    void draggingOverAnotherControlKeepsTheLook_data() {
        QTest::addColumn<QString>("control");
        for (const char* control : {"lblMiral", "imgMiral", "frLayout", "frOutput", "cmdClose", "txtTemperatur",
                                    "txtOutput", "Image1", "lblClk"}) {
            QTest::newRow(control) << control;
        }
    }

    void draggingOverAnotherControlKeepsTheLook() {
        QFETCH(QString, control);
        auto window = ShowLoadedWindow();
        QTest::mouseMove(window->windowHandle(), PointOf(*window, QStringLiteral("lblUrl")));
        const QPoint start = PointOf(*window, control);
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, start);
        QTest::mouseMove(window->windowHandle(), start + QPoint(2, 1));
        QVERIFY(LinkUnderlined(*window));
        QVERIFY(HandPointer(*window));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, start + QPoint(2, 1));
    }

    void aDiagramLineLetsTheMouseThroughToThePhoto() {
        auto window = ShowLoadedWindow();
        QTest::mouseMove(window->windowHandle(), PointOf(*window, QStringLiteral("lblUrl")));
        const QWidget* line = ControlOf(*window, "Line14");
        const QPoint onLine = line->mapTo(window.get(), QPoint(line->width() - 3, 0));  // over the photo
        QCOMPARE(ControlAt(*window, onLine), QStringLiteral("Image1"));
        QTest::mouseMove(window->windowHandle(), onLine);
        QVERIFY(LinkUnderlined(*window));
    }

    void updateWebLinkAppliesTheWholeLook_data() {
        QTest::addColumn<bool>("over");
        QTest::newRow("hover") << true;
        QTest::newRow("resting") << false;
    }

    void updateWebLinkAppliesTheWholeLook() {
        QFETCH(bool, over);
        auto window = ShowLoadedWindow();
        window->UpdateWebLink(!over);
        window->UpdateWebLink(over);
        QCOMPARE(LinkUnderlined(*window), over);
        QCOMPARE(HandPointer(*window), over);
        QCOMPARE(LinkColour(*window), kLinkBlue);
    }

    void aClickStartsTheBrowserWithTheMakersAddress() {
        QTemporaryDir dir;
        const QString browser = dir.filePath(QStringLiteral("my browser"));  // a blank in the path
        QFile script(browser);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s %s' \"$#\" \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        MessageBoxCatcher boxes;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = browser;
        ClickLink(*window);
        QFile out(browser + QStringLiteral(".out"));
        QTRY_VERIFY(out.exists());
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("1 http://www.miral.example"));
        QCOMPARE(boxes.count(), 0);
    }

    void aClickWithNoProgramAtTheBrowserPathShowsNothing() {
        QTemporaryDir dir;
        MessageBoxCatcher boxes;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = dir.filePath(QStringLiteral("no browser here"));
        ClickLink(*window);
        QCOMPARE(boxes.count(), 0);
        QVERIFY(window->isVisible());
    }

    void aBrowserThatCannotStartIsReportedInAPlainBox() {
        QTemporaryDir dir;
        const QString broken = WriteUnrunnableProgram(dir);
        QVERIFY(!broken.isEmpty());
        MessageBoxCatcher boxes;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = broken;
        ClickLink(*window);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.title(), QStringLiteral("PallixExample"));
        QVERIFY2(boxes.text().contains(broken), qPrintable(boxes.text()));
        QCOMPARE(boxes.icon(), QMessageBox::NoIcon);
        QCOMPARE(boxes.buttonCount(), 1);
        QVERIFY(window->isVisible());
    }

    void onlyALeftClickReleasedOverTheLinkStartsAnything_data() {
        QTest::addColumn<bool>("releaseOutside");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("right button") << false << Qt::RightButton;
        QTest::newRow("left button released off the link") << true << Qt::LeftButton;
    }

    void onlyALeftClickReleasedOverTheLinkStartsAnything() {
        QFETCH(bool, releaseOutside);
        QFETCH(Qt::MouseButton, button);
        QTemporaryDir dir;
        MessageBoxCatcher boxes;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = WriteUnrunnableProgram(dir);  // any start attempt shows a box
        const QPoint link = PointOf(*window, QStringLiteral("lblUrl"));
        QTest::mousePress(window->windowHandle(), button, {}, link);
        QTest::mouseRelease(window->windowHandle(), button, {},
                            releaseOutside ? PointOf(*window, QStringLiteral("surface")) : link);
        QCOMPARE(boxes.count(), 0);
    }

    void aDoubleClickStartsTheBrowserOnce() {
        QTemporaryDir dir;
        MessageBoxCatcher boxes;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = WriteUnrunnableProgram(dir);  // each start attempt shows a box
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, PointOf(*window, QStringLiteral("lblUrl")));
        QCOMPARE(boxes.count(), 1);
    }

    void theLinkNeverTakesTheFocus() {
        auto window = ShowLoadedWindow();
        QCOMPARE(ControlOf(*window, "lblUrl")->focusPolicy(), Qt::NoFocus);
        ClickLink(*window, Qt::RightButton);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdClose"));
    }
};

QTEST_MAIN(WebLink)
#include "tst_WebLink.moc"
