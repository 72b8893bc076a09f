// SPDX-License-Identifier: MIT

#include "WindowAccessibility.h"

#include "AccessibleLink.h"
#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace WindowAccessibility {
namespace {

// A line of the wiring diagram: a stroke of the drawing without a name of its
// own (a control in a frame would otherwise take the frame's caption).
class AccessibleLine : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QString() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* CreateInterface(const QString& className, QObject* object)
{
    if (className == u"LinkLabel") {
        return new AccessibleLink(static_cast<LinkLabel*>(object));
    }
    if (className == u"LineControl") {
        return new AccessibleLine(static_cast<QWidget*>(object));
    }
    if (className == u"frmPallixExampleQt") {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

// The link a link with one action, the window a window, the lines nameless.
// Installed as the program starts: an interface is made once per control, at
// the first event that asks for it, which may come while the control is made.
void InstallInterfaces()
{
    QAccessible::installFactory(CreateInterface);
}
Q_CONSTRUCTOR_FUNCTION(InstallInterfaces)

}  // namespace

void Describe(const std::array<QWidget*, frmPallixExampleLayout::kControlCount>& controls)
{
    using frmPallixExampleLayout::AccessibleRole;
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        QWidget* widget = controls.at(frmPallixExampleLayout::Index(control.id));
        if (control.role != AccessibleRole::None) {
            widget->setAccessibleName(QString::fromStdString(frmPallixExampleLayout::AccessibleName(control)));
            widget->setAccessibleDescription(QString::fromUtf8(control.accessibleDescription));
        }
        // A label's buddy is what it names for a screen reader; its caption
        // has no ampersand, so it makes no access key.
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && control.labelFor != frmPallixExampleLayout::ControlId::Window) {
            label->setBuddy(controls.at(frmPallixExampleLayout::Index(control.labelFor)));
        }
    }
}

}  // namespace WindowAccessibility
