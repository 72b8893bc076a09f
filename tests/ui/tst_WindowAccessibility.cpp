// SPDX-License-Identifier: MIT

// What a screen reader is told about the window, through the toolkit's own
// interfaces in the program's process; tests/e2e/test_accessibility.py reads
// every control and description through the desktop's accessibility bus.
#include "WindowTestSupport.h"

#include <QAccessible>
#include <QTemporaryDir>

#include <map>

class WindowAccessibility : public QObject {
    Q_OBJECT

private slots:
    // The toolkit's role for each kind the layout names, its name and its
    // description as the control's row gives them.
    void EveryControlTellsTheRoleNameAndDescriptionOfItsRow()
    {
        using Role = frmPallixExampleLayout::AccessibleRole;
        const std::map<Role, QAccessible::Role> roles{{Role::None, QAccessible::Client},
                                                      {Role::Grouping, QAccessible::Grouping},
                                                      {Role::StaticText, QAccessible::StaticText},
                                                      {Role::Link, QAccessible::Link},
                                                      {Role::EditableText, QAccessible::EditableText},
                                                      {Role::PushButton, QAccessible::Button},
                                                      {Role::Graphic, QAccessible::Graphic}};
        auto window = ShowLoadedWindow();
        for (const auto& control : frmPallixExampleLayout::Controls()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window->Control(control.id));
            const QString described = QString::fromUtf8(control.accessibleDescription);
            QCOMPARE(accessible->role(), roles.at(control.role));
            QCOMPARE(accessible->text(QAccessible::Name),
                     QString::fromStdString(
                         control.role == Role::None ? "" : frmPallixExampleLayout::AccessibleName(control)));
            QCOMPARE(accessible->text(QAccessible::Description), described);
        }
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
        window->Form().sBrowserPath = browser.toStdString();
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
