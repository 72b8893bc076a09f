// The window as designed: every control's kind, container, caption, place in
// twips, tab index and stacking against one table, and its text's size.
#include "LineControl.h"
#include "WindowTestSupport.h"

#include <QLabel>

namespace {

constexpr int kTwips = 15;  // twips per pixel

struct Designed {
    const char* name;
    const char* kind;              // "Line" for a diagram line
    const char* container;         // "" for the window itself
    const char* caption;           // a picture shows as "<width>x<height> picture"
    int left, top, width, height;  // a line's X1, Y1, X2, Y2
    int tabIndex;                  // -1: none
};

// Earlier controls in a container lie above later ones.
constexpr Designed kDesign[] = {
    {"frmPallixExample", "frmPallixExample", "", "Example", 0, 0, 7425, 6375, -1},
    {"frLayout", "QGroupBox", "frmPallixExample", "Layout", 3720, 1080, 3375, 2415, 3},
    {"Line3", "Line", "frLayout", "", 1440, 1560, 2040, 1560, -1},
    {"Label1", "QLabel", "frLayout", "* bottom", 120, 2040, 855, 255, 20},
    {"lblO1", "QLabel", "frLayout", "O1*", 720, 600, 375, 255, 4},
    {"lblS0", "QLabel", "frLayout", "S0", 120, 840, 375, 255, 13},
    {"lblI1", "QLabel", "frLayout", "I1*", 720, 840, 255, 255, 12},
    {"Line14", "Line", "frLayout", "", 1800, 960, 1080, 960, -1},
    {"lblGnd2", "QLabel", "frLayout", "GND", 120, 1200, 375, 255, 11},
    {"lbl5v", "QLabel", "frLayout", "5V", 120, 1560, 375, 255, 10},
    {"Label4", "QLabel", "frLayout", "CS", 120, 360, 255, 255, 9},
    {"lblClk", "QLabel", "frLayout", "Clock", 120, 600, 495, 255, 8},
    {"Line13", "Line", "frLayout", "", 1440, 1320, 1080, 1320, -1},
    {"Line12", "Line", "frLayout", "", 1440, 1320, 1440, 1440, -1},
    {"Line11", "Line", "frLayout", "", 1080, 1680, 1440, 1680, -1},
    {"Line10", "Line", "frLayout", "", 1440, 1680, 1440, 1560, -1},
    {"lblGnd", "QLabel", "frLayout", "GND", 720, 1200, 375, 255, 7},
    {"lblVcc", "QLabel", "frLayout", "VCC", 720, 1560, 375, 255, 6},
    {"Line9", "Line", "frLayout", "", 1440, 1440, 2040, 1440, -1},
    {"lblO2", "QLabel", "frLayout", "O2", 720, 360, 255, 255, 5},
    {"Line8", "Line", "frLayout", "", 1440, 480, 1080, 480, -1},
    {"Line7", "Line", "frLayout", "", 1440, 480, 1440, 720, -1},
    {"Line6", "Line", "frLayout", "", 1080, 720, 1800, 720, -1},
    {"Image1", "QLabel", "frLayout", "94x122 picture", 1680, 360, 1410, 1830, -1},
    {"Line1", "Line", "frLayout", "", 1440, 720, 1800, 720, -1},
    {"frOutput", "QGroupBox", "frmPallixExample", "Status Log ", 240, 3600, 6855, 1935, 17},
    {"txtOutput", "QPlainTextEdit", "frOutput", "", 120, 240, 6615, 1575, 18},
    {"frReadTemp", "QGroupBox", "frmPallixExample", "Temperatur ", 240, 1080, 3255, 2415, 14},
    {"cmdReadTemp", "QPushButton", "frReadTemp", "&Read", 1080, 1320, 1215, 375, 19},
    {"txtTemperatur", "QLineEdit", "frReadTemp", "No value", 1080, 840, 975, 285, 15},
    {"lblC", "QLabel", "frReadTemp", "\u00B0C", 2160, 840, 375, 255, 16},
    {"cmdClose", "QPushButton", "frmPallixExample", "&Close", 240, 5760, 1095, 375, 0},
    {"lblUrl", "QLabel", "frmPallixExample", "http://www.miral.example/", 3720, 360, 2895, 255, 2},
    {"lblMiral", "QLabel", "frmPallixExample", "Miral Elektronik GmbH", 3720, 120, 2895, 255, 1},
    {"imgMiral", "QLabel", "frmPallixExample", "100x33 picture", 1920, 120, 1500, 495, -1},
};

// A picture shows as its size; any other control as its title or text.
QString Caption(const QWidget* control)
{
    if (auto* label = qobject_cast<const QLabel*>(control); label && !label->pixmap().isNull()) {
        return QStringLiteral("%1x%2 picture").arg(label->pixmap().width()).arg(label->pixmap().height());
    }
    for (const char* property : {"title", "text", "plainText", "windowTitle"}) {
        if (const QVariant caption = control->property(property); caption.isValid()) {
            return caption.toString();
        }
    }
    return {};
}

// Left, top, width and height in twips; for a line its end points X1, Y1, X2, Y2.
QList<int> TwipsOf(const QWidget* control)
{
    const QRect place = control->isWindow() ? control->rect() : control->geometry();
    QList<int> pixels{place.x(), place.y(), place.width(), place.height()};
    if (auto* line = dynamic_cast<const LineControl*>(control)) {
        pixels = {line->line().x1(), line->line().y1(), line->line().x2(), line->line().y2()};
    }
    for (int& value : pixels) {
        value *= kTwips;
    }
    return pixels;
}

// The window itself or its control of that name.
const QWidget* Named(const QWidget& window, const char* name)
{
    return window.objectName() == QLatin1String(name) ? &window : ControlOf(window, name);
}

QString NamedFromTop(const QWidget* container)
{
    QStringList names;
    for (const QObject* child : container->children()) {
        if (child->isWidgetType() && !child->objectName().isEmpty()) {
            names.prepend(child->objectName());
        }
    }
    return names.join(u' ');
}

}  // namespace

class WindowLayout : public QObject {
    Q_OBJECT

private slots:
    void EveryControlStandsWhereDesigned_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kDesign)); ++row) {
            QTest::newRow(kDesign[row].name) << row;
        }
    }

    void EveryControlStandsWhereDesigned()
    {
        QFETCH(int, row);
        const Designed& designed = kDesign[row];
        frmPallixExample window;
        const QWidget* control = Named(window, designed.name);
        QVERIFY(control);
        const bool isLine = dynamic_cast<const LineControl*>(control) != nullptr;
        QCOMPARE(isLine ? "Line" : control->metaObject()->className(), designed.kind);
        QCOMPARE(control->parentWidget() ? control->parentWidget()->objectName() : QString(), designed.container);
        QCOMPARE(Caption(control), QString::fromUtf8(designed.caption));
        QCOMPARE(TwipsOf(control), (QList<int>{designed.left, designed.top, designed.width, designed.height}));
        const QVariant tabIndex = control->property("TabIndex");
        QCOMPARE(tabIndex.isValid() ? tabIndex.toInt() : -1, designed.tabIndex);
    }

    void EachContainerHoldsExactlyItsTableRowsWithEarlierOnesOnTop()
    {
        frmPallixExample window;
        QMap<QString, QStringList> designed;
        for (const Designed& control : kDesign) {
            if (*control.container) {
                designed[QString::fromLatin1(control.container)] << control.name;
            }
        }
        for (auto it = designed.cbegin(); it != designed.cend(); ++it) {
            QCOMPARE(NamedFromTop(Named(window, qPrintable(it.key()))), it.value().join(u' '));
        }
    }

    void TheTextIsTheToolkitsDefaultFaceAtEightPointsAndFitsEveryLabel()
    {
        frmPallixExample window;
        QCOMPARE(window.font().pointSize(), 8);
        QCOMPARE(window.font().family(), QApplication::font().family());
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            QVERIFY2(control->font() == window.font(), qPrintable(control->objectName()));
            auto* label = qobject_cast<const QLabel*>(control);
            if (!label) {
                continue;
            }
            const int advance = label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(advance <= label->width(), qPrintable(label->objectName()));
        }
    }

    void LoadingCaptionsTheWindowWithTheProgramsName()
    {
        QCOMPARE(ShowLoadedWindow()->windowTitle(), QStringLiteral("PallixExample"));
    }
};

QTEST_MAIN(WindowLayout)
#include "tst_WindowLayout.moc"
