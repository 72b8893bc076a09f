// What a screen reader is told about the window, through the toolkit's own
// accessibility interfaces: roles, names, descriptions, relations, and the
// link's one action.
#include "WindowTestSupport.h"

#include <QAccessible>
#include <QTemporaryDir>

namespace {

using enum QAccessible::Role;

struct Expected {
    const char* control;
    QAccessible::Role role;
    const char* name;
    const char* description;
};

// clang-format off
constexpr Expected kControls[] = {
    {"frmPallixExample", Window, "PallixExample", ""}, {"cmdClose", Button, "Close", ""},
    {"cmdReadTemp", Button, "Read", ""}, {"frReadTemp", Grouping, "Temperatur", ""},
    {"txtTemperatur", EditableText, "Temperatur", "\u00B0C"}, {"lblC", StaticText, "\u00B0C", ""},
    {"frOutput", Grouping, "Status Log", ""}, {"txtOutput", EditableText, "Status Log", ""},
    {"lblMiral", StaticText, "Miral Elektronik GmbH", ""},
    {"lblUrl", Link, "http://www.miral.example/", "Opens the maker's web site in the browser"},
    {"imgMiral", Graphic, "Miral Elektronik GmbH logo", "The maker's logo"},
    {"Image1", Graphic, "Adapter photo", "The corner of the adapter board that the sensor is wired to: a two-pin "
                                         "header above a four-pin connector, where the diagram's lines end"},
    {"frLayout", Grouping, "Layout",
     "How the sensor is wired to the adapter: CS to O2, Clock to O1*, S0 to I1*, GND to GND, 5V to VCC"},
    {"Label4", StaticText, "CS", ""}, {"lblClk", StaticText, "Clock", ""}, {"lblS0", StaticText, "S0", ""},
    {"lblGnd2", StaticText, "GND", ""}, {"lbl5v", StaticText, "5V", ""}, {"lblO2", StaticText, "O2", ""},
    {"lblO1", StaticText, "O1*", ""}, {"lblI1", StaticText, "I1*", ""}, {"lblGnd", StaticText, "GND", ""},
    {"lblVcc", StaticText, "VCC", ""}, {"Label1", StaticText, "* bottom", ""}};
// clang-format on

QAccessibleInterface* InterfaceOf(QWidget& window, const char* name)
{
    QWidget* control = window.objectName() == QLatin1String(name) ? &window : ControlOf(window, name);
    return QAccessible::queryAccessibleInterface(control);
}

QStringList Related(QWidget& window, const char* control, QAccessible::Relation relation)
{
    QStringList related;
    for (const auto& [other, kind] : InterfaceOf(window, control)->relations(relation)) {
        related << other->object()->objectName();
    }
    related.sort();
    return related;
}

}  // namespace

class WindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void EveryControlButTheLinesHasARoleAndAName_data()
    {
        QTest::addColumn<Expected>("expected");
        for (const Expected& expected : kControls) {
            QTest::newRow(expected.control) << expected;
        }
        for (const char* line :
             {"Line1", "Line3", "Line6", "Line7", "Line8", "Line9", "Line10", "Line11", "Line12", "Line13", "Line14"}) {
            QTest::newRow(line) << Expected{line, Client, "", ""};  // nameless
        }
    }

    void EveryControlButTheLinesHasARoleAndAName()
    {
        QFETCH(Expected, expected);
        auto window = ShowLoadedWindow();
        QAccessibleInterface* accessible = InterfaceOf(*window, expected.control);
        QCOMPARE(accessible->role(), expected.role);
        QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(expected.name));
        QCOMPARE(accessible->text(QAccessible::Description), QString::fromUtf8(expected.description));
    }

    void TheTemperatureBoxIsLabelledByItsFrameAndItsUnit()
    {
        auto window = ShowLoadedWindow();
        QCOMPARE(Related(*window, "txtTemperatur", QAccessible::Label), (QStringList{"frReadTemp", "lblC"}));
        QCOMPARE(Related(*window, "lblC", QAccessible::Labelled), QStringList{"txtTemperatur"});
        QCOMPARE(Related(*window, "lblUrl", QAccessible::AllRelations), QStringList());
    }

    void TheLinksOneActionDoesWhatAClickDoes_data()
    {
        QTest::addColumn<bool>("runnable");  // whether the browser may be run
        QTest::addColumn<QString>("seen");   // the browser's arguments, or the message box
        QTest::newRow("it opens the maker's address") << true << "1\n[http://www.miral.example]\n";
        QTest::newRow("it reports a browser that may not be run") << false << "PallixExample|Permission denied: ";
    }

    void TheLinksOneActionDoesWhatAClickDoes()
    {
        QFETCH(bool, runnable);
        QFETCH(QString, seen);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("my browser"));
        QVERIFY(WriteFile(path, kRecorder, runnable));
        MessageBoxCatcher catcher;
        auto window = ShowLoadedWindow();
        window->sBrowserPath = path;
        QAccessibleInterface* link = InterfaceOf(*window, "lblUrl");
        const QString press = QAccessibleActionInterface::pressAction();
        QCOMPARE(link->actionInterface()->actionNames(), QStringList{press});
        QCOMPARE(link->actionInterface()->keyBindingsForAction(press), QStringList());
        QVERIFY(!link->state().focusable);
        link->actionInterface()->doAction(press);
        QTRY_VERIFY(QString::fromUtf8(Contents(path + QStringLiteral(".out"))) == seen ||
                    catcher.seen.value(0).startsWith(seen));
    }
};

QTEST_MAIN(WindowAccessibility)
#include "tst_WindowAccessibility.moc"
