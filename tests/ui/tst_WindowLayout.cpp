// The window's controls as designed: names, containers, texts, positions,
// tab indexes, stacking and static look.
#include "LineControl.h"
#include "WindowTestSupport.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kTwips = 15;  // twips per pixel

QRect InTwips(const QRect& pixels) {
    return QRect(pixels.x() * kTwips, pixels.y() * kTwips, pixels.width() * kTwips,
                 pixels.height() * kTwips);
}

QString Caption(const QWidget* control) {
    if (auto* frame = qobject_cast<const QGroupBox*>(control)) return frame->title();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(control)) return box->toPlainText();
    if (auto* button = qobject_cast<const QPushButton*>(control)) return button->text();
    return QStringLiteral("<no caption>");
}

// Sibling controls from the top of the stack down.
QStringList StackFromTop(const QWidget* container) {
    QStringList names;
    for (QObject* child : container->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) names.prepend(child->objectName());
    }
    return names;
}

}  // namespace

class WindowLayout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { NameTheProgram(); }

    void theWindowIsAPlainTopLevelWidgetWithTheDesignedClientArea() {
        frmPallixExample window;
        QCOMPARE(window.objectName(), QStringLiteral("frmPallixExample"));
        QVERIFY(window.isWindow());
        QVERIFY(!window.layout());
        QCOMPARE(window.size() * kTwips, QSize(7425, 6375));
        QCOMPARE(window.windowTitle(), QStringLiteral("Example"));
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void everyControlStandsWhereDesigned_data() {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<int>("tabIndex");  // -1: none

        const QString window = QStringLiteral("frmPallixExample");
        auto row = [](const char* name, const char* className, const QString& container,
                      const QString& caption, int left, int top, int width, int height, int tab) {
            QTest::newRow(name) << QString::fromLatin1(className) << container << caption
                                << QRect(left, top, width, height) << tab;
        };
        const QString layout = QStringLiteral("frLayout");
        const QString output = QStringLiteral("frOutput");
        const QString readTemp = QStringLiteral("frReadTemp");
        row("frLayout", "QGroupBox", window, "Layout", 3720, 1080, 3375, 2415, 3);
        row("Label1", "QLabel", layout, "* bottom", 120, 2040, 855, 255, 20);
        row("lblO1", "QLabel", layout, "O1*", 720, 600, 375, 255, 4);
        row("lblS0", "QLabel", layout, "S0", 120, 840, 375, 255, 13);
        row("lblI1", "QLabel", layout, "I1*", 720, 840, 255, 255, 12);
        row("lblGnd2", "QLabel", layout, "GND", 120, 1200, 375, 255, 11);
        row("lbl5v", "QLabel", layout, "5V", 120, 1560, 375, 255, 10);
        row("Label4", "QLabel", layout, "CS", 120, 360, 255, 255, 9);
        row("lblClk", "QLabel", layout, "Clock", 120, 600, 495, 255, 8);
        row("lblGnd", "QLabel", layout, "GND", 720, 1200, 375, 255, 7);
        row("lblVcc", "QLabel", layout, "VCC", 720, 1560, 375, 255, 6);
        row("lblO2", "QLabel", layout, "O2", 720, 360, 255, 255, 5);
        row("Image1", "QLabel", layout, "", 1680, 360, 1410, 1830, -1);
        row("frOutput", "QGroupBox", window, "Status Log ", 240, 3600, 6855, 1935, 17);
        row("txtOutput", "QPlainTextEdit", output, "", 120, 240, 6615, 1575, 18);
        row("frReadTemp", "QGroupBox", window, "Temperatur ", 240, 1080, 3255, 2415, 14);
        row("cmdReadTemp", "QPushButton", readTemp, "&Read", 1080, 1320, 1215, 375, 19);
        row("txtTemperatur", "QLineEdit", readTemp, "No value", 1080, 840, 975, 285, 15);
        row("lblC", "QLabel", readTemp, QStringLiteral("\u00B0C"), 2160, 840, 375, 255, 16);
        row("cmdClose", "QPushButton", window, "&Close", 240, 5760, 1095, 375, 0);
        row("lblUrl", "QLabel", window, "http://www.miral.example/", 3720, 360, 2895, 255, 2);
        row("lblMiral", "QLabel", window, "Miral Elektronik GmbH", 3720, 120, 2895, 255, 1);
        row("imgMiral", "QLabel", window, "", 1920, 120, 1500, 495, -1);
    }

    void everyControlStandsWhereDesigned() {
        QFETCH(QString, className);
        QFETCH(QString, container);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(int, tabIndex);

        frmPallixExample window;
        auto* control = ControlOf(window, QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(control->metaObject()->className(), className);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(Caption(control), caption);
        QCOMPARE(InTwips(control->geometry()), twips);
        const QVariant storedTab = control->property("TabIndex");
        QCOMPARE(storedTab.isValid() ? storedTab.toInt() : -1, tabIndex);
    }

    void theWindowHoldsExactlyTheDesignedControls() {
        frmPallixExample window;
        int named = 0;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_")) ++named;
        }
        QCOMPARE(named, 34);
    }

    void picturesShowAtTheirNaturalSize_data() {
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("Image1") << QSize(94, 122);
        QTest::newRow("imgMiral") << QSize(100, 33);
    }

    void picturesShowAtTheirNaturalSize() {
        QFETCH(QSize, pixels);
        frmPallixExample window;
        auto* image = ControlOf<QLabel>(window, QTest::currentDataTag());
        QVERIFY(image);
        QCOMPARE(image->pixmap().size(), pixels);
        QCOMPARE(image->size(), pixels);
        QVERIFY(!image->hasScaledContents());
        QCOMPARE(image->frameShape(), QFrame::NoFrame);
    }

    void linesRunBetweenTheirDesignedEndPoints_data() {
        QTest::addColumn<QLine>("twips");
        QTest::newRow("Line3") << QLine(1440, 1560, 2040, 1560);
        QTest::newRow("Line14") << QLine(1800, 960, 1080, 960);
        QTest::newRow("Line13") << QLine(1440, 1320, 1080, 1320);
        QTest::newRow("Line12") << QLine(1440, 1320, 1440, 1440);
        QTest::newRow("Line11") << QLine(1080, 1680, 1440, 1680);
        QTest::newRow("Line10") << QLine(1440, 1680, 1440, 1560);
        QTest::newRow("Line9") << QLine(1440, 1440, 2040, 1440);
        QTest::newRow("Line8") << QLine(1440, 480, 1080, 480);
        QTest::newRow("Line7") << QLine(1440, 480, 1440, 720);
        QTest::newRow("Line6") << QLine(1080, 720, 1800, 720);
        QTest::newRow("Line1") << QLine(1440, 720, 1800, 720);
    }

    void linesRunBetweenTheirDesignedEndPoints() {
        QFETCH(QLine, twips);
        frmPallixExample window;
        auto* line = ControlOf<LineControl>(window, QTest::currentDataTag());
        QVERIFY(line);
        QCOMPARE(line->parentWidget()->objectName(), QStringLiteral("frLayout"));
        QCOMPARE(QLine(line->line().p1() * kTwips, line->line().p2() * kTwips), twips);
        QVERIFY(line->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(line->focusPolicy(), Qt::NoFocus);

        // Drawn in the window-text colour, over the photo where they cross it.
        auto* frame = ControlOf(window, "frLayout");
        const QImage picture = frame->grab().toImage();
        const QColor ink = frame->palette().color(QPalette::WindowText);
        QCOMPARE(picture.pixelColor(line->line().p1()), ink);
        QCOMPARE(picture.pixelColor(line->line().p2()), ink);
    }

    void earlierControlsLieAboveLaterOnes_data() {
        QTest::addColumn<QStringList>("fromTop");
        QTest::newRow("frmPallixExample") << QStringList{
            "frLayout", "frOutput", "frReadTemp", "cmdClose", "lblUrl", "lblMiral", "imgMiral"};
        QTest::newRow("frLayout") << QStringList{
            "Line3",  "Label1", "lblO1",  "lblS0",  "lblI1",  "Line14", "lblGnd2", "lbl5v",
            "Label4", "lblClk", "Line13", "Line12", "Line11", "Line10", "lblGnd",  "lblVcc",
            "Line9",  "lblO2",  "Line8",  "Line7",  "Line6",  "Image1", "Line1"};
        QTest::newRow("frReadTemp") << QStringList{"cmdReadTemp", "txtTemperatur", "lblC"};
    }

    void earlierControlsLieAboveLaterOnes() {
        QFETCH(QStringList, fromTop);
        frmPallixExample window;
        const QWidget* container = QTest::currentDataTag() == QLatin1String("frmPallixExample")
                                       ? &window
                                       : ControlOf(window, QTest::currentDataTag());
        QVERIFY(container);
        QCOMPARE(StackFromTop(container), fromTop);
    }

    void textBoxesAreReadOnlyAndShapedAsDesigned() {
        frmPallixExample window;
        auto* temperature = ControlOf<QLineEdit>(window, "txtTemperatur");
        QVERIFY(temperature->isReadOnly());
        QVERIFY(temperature->alignment() & Qt::AlignRight);
        QVERIFY(temperature->hasFrame());

        auto* output = ControlOf<QPlainTextEdit>(window, "txtOutput");
        QVERIFY(output->isReadOnly());
        QCOMPARE(output->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(output->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(output->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(output->tabChangesFocus());
        QVERIFY(output->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    }

    void noButtonIsTheDefaultButEachPressesOnEnter_data() {
        QTest::addColumn<int>("unused");
        QTest::newRow("cmdReadTemp") << 0;
        QTest::newRow("cmdClose") << 0;
    }

    void noButtonIsTheDefaultButEachPressesOnEnter() {
        frmPallixExample window;
        auto* button = ControlOf<QPushButton>(window, QTest::currentDataTag());
        QVERIFY(!button->isDefault());
        QVERIFY(button->autoDefault());
    }

    void labelsArePlainLeftAlignedTextWithoutBorder() {
        frmPallixExample window;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) continue;
            QVERIFY2(label->alignment() & Qt::AlignLeft, qPrintable(label->objectName()));
            QCOMPARE(label->frameShape(), QFrame::NoFrame);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QVERIFY(!label->text().contains(u'&'));
        }
    }

    void theWindowDrawsTheToolkitsDefaultFaceAtEightPoints() {
        frmPallixExample window;
        QCOMPARE(window.font().pointSize(), 8);
        QCOMPARE(window.font().family(), QApplication::font().family());
    }

    void everyLabelsTextFitsItsWidth() {
        frmPallixExample window;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;  // a picture
            const int advance = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(advance <= label->width(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(label->objectName()).arg(advance).arg(label->width())));
        }
    }

    void noControlSetsAFontOrColourOfItsOwn() {
        frmPallixExample window;
        QVERIFY(!window.testAttribute(Qt::WA_SetPalette));
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), qPrintable(widget->objectName()));
            QVERIFY2(!widget->testAttribute(Qt::WA_SetPalette), qPrintable(widget->objectName()));
        }
    }

    void enlargingTheWindowMovesNothing() {
        frmPallixExample window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QHash<QWidget*, QRect> before;
        for (QWidget* widget : window.findChildren<QWidget*>()) before.insert(widget, widget->geometry());
        window.resize(window.size() * 2);
        QTRY_COMPARE(window.size(), QSize(990, 850));
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            QCOMPARE(widget->geometry(), before.value(widget));
        }
    }
};

QTEST_MAIN(WindowLayout)
#include "tst_WindowLayout.moc"
