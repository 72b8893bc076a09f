#include "WindowAccessibility.h"

#include "AccessibleLink.h"
#include "LinkLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include <utility>

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

template <typename Control = QWidget>
Control* Find(QWidget* window, const char* name)
{
    return window->findChild<Control*>(QString::fromLatin1(name));
}

QString Caption(QWidget* window, const char* label)
{
    const auto* control = Find<QLabel>(window, label);
    return control ? control->text() : QString();
}

// The diagram's rows, each a signal of the sensor beside the adapter's pin
// that its line runs to.
constexpr std::pair<const char*, const char*> kWiring[] = {
    {"Label4", "lblO2"}, {"lblClk", "lblO1"}, {"lblS0", "lblI1"}, {"lblGnd2", "lblGnd"}, {"lbl5v", "lblVcc"}};

QString WiringInWords(QWidget* window)
{
    QStringList rows;
    for (const auto& [sensor, adapter] : kWiring) {
        rows << Caption(window, sensor) + QStringLiteral(" to ") + Caption(window, adapter);
    }
    return QStringLiteral("How the sensor is wired to the adapter: ") + rows.join(QStringLiteral(", "));
}

// What a screen reader says of one control besides its role: an empty name
// leaves the toolkit's, which for a label is its caption.
void Tell(QWidget* window, const char* control, const QString& name, const QString& description)
{
    if (QWidget* widget = Find(window, control)) {
        if (!name.isEmpty()) {
            widget->setAccessibleName(name);
        }
        widget->setAccessibleDescription(description);
    }
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

void Describe(QWidget* window)
{
    // Frames by their caption, and each text box by the frame it stands in,
    // without the captions' trailing blanks.
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        frame->setAccessibleName(frame->title().trimmed());
        for (QWidget* box : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box)) {
                box->setAccessibleName(frame->accessibleName());
            }
        }
    }
    // The unit belongs to the temperature box: its label is the box's buddy
    // (no access key, its caption having no ampersand) and the box's
    // description.
    if (auto* unit = Find<QLabel>(window, "lblC")) {
        unit->setBuddy(Find(window, "txtTemperatur"));
    }
    Tell(window, "txtTemperatur", {}, Caption(window, "lblC"));
    Tell(window, "frLayout", {}, WiringInWords(window));
    Tell(window, "Image1", QStringLiteral("Adapter photo"),
         QStringLiteral("The corner of the adapter board that the sensor is wired to: "
                        "a two-pin header above a four-pin connector, where the diagram's lines end"));
    Tell(window, "imgMiral", Caption(window, "lblMiral") + QStringLiteral(" logo"), QStringLiteral("The maker's logo"));
    Tell(window, "lblUrl", {}, QStringLiteral("Opens the maker's web site in the browser"));
}

}  // namespace WindowAccessibility
