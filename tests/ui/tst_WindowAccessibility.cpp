// What a screen reader is told about the window, through the toolkit's own
// interfaces in the program's process; tests/e2e/test_accessibility.py reads
// every control and description through the desktop's accessibility bus.
#include "WindowTestSupport.h"

#include <QAccessible>
#include <QTemporaryDir>

class WindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    void EachKindOfControlHasItsRoleNameAndDescription_data()
    {
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");  // how it starts; empty: none
        QTest::newRow("cmdReadTemp") << QAccessible::Button << "Read"
                                     << "";
        QTest::newRow("frReadTemp") << QAccessible::Grouping << "Temperatur"
                                    << "";
        QTest::newRow("txtTemperatur") << QAccessible::EditableText << "Temperatur"
                                       << "\u00B0C";
        QTest::newRow("txtOutput") << QAccessible::EditableText << "Status Log"
                                   << "";
        QTest::newRow("lblUrl") << QAccessible::Link << "http://www.miral.example/"
                                << "Opens the maker's web site";
        QTest::newRow("Image1") << QAccessible::Graphic << "Adapter photo"
                                << "The corner of the adapter board";
        QTest::newRow("Line6") << QAccessible::Client << ""
                               << "";
    }

    void EachKindOfControlHasItsRoleNameAndDescription()
    {
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto window = ShowLoadedWindow();
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(ControlOf(*window, QTest::currentDataTag()));
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        const QString described = accessible->text(QAccessible::Description);
        QVERIFY2(description.isEmpty() ? described.isEmpty() : described.startsWith(description),
                 qPrintable(described));
    }

    void TheTemperatureBoxIsLabelledByItsFrameAndItsUnit()
    {
        auto window = ShowLoadedWindow();
        QStringList labels;
        for (const auto& [label, relation] : QAccessible::queryAccessibleInterface(ControlOf(*window, "txtTemperatur"))
                                                 ->relations(QAccessible::Label)) {
            labels << label->object()->objectName();
        }
        labels.sort();
        QCOMPARE(labels, (QStringList{"frReadTemp", "lblC"}));
    }

    void TheLinksOneActionStartsTheBrowserAndTakesNoKey()
    {
        QTemporaryDir dir;
        const QString browser = dir.filePath(QStringLiteral("my browser"));
        QVERIFY(WriteFile(browser, kRecorder, true));
        auto window = ShowLoadedWindow();
        window->sBrowserPath = browser;
        QAccessibleActionInterface* link =
            QAccessible::queryAccessibleInterface(ControlOf(*window, "lblUrl"))->actionInterface();
        const QString press = QAccessibleActionInterface::pressAction();
        QCOMPARE(link->actionNames(), QStringList{press});
        QCOMPARE(link->keyBindingsForAction(press), QStringList());
        link->doAction(press);
        QTRY_COMPARE(Contents(browser + QStringLiteral(".out")), QByteArray("1\n[http://www.miral.example]\n"));
    }
};

QTEST_MAIN(WindowAccessibility)
#include "tst_WindowAccessibility.moc"
