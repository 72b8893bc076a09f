// SPDX-License-Identifier: MIT

#include "AccessibleLink.h"

#include "LinkLabel.h"

#include <QMetaObject>

AccessibleLink::AccessibleLink(LinkLabel* label)
    : QAccessibleWidget(label, QAccessible::Link)
{
}

QString AccessibleLink::text(QAccessible::Text t) const
{
    const QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) {
        return static_cast<const LinkLabel*>(widget())->text();
    }
    return text;
}

QStringList AccessibleLink::actionNames() const
{
    return {pressAction()};
}

void AccessibleLink::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        return;
    }
    // Queued, as a button's press action is: the click may open a message
    // box, and the screen reader that asked must not wait for it to close.
    QMetaObject::invokeMethod(static_cast<LinkLabel*>(widget()), &LinkLabel::Clicked, Qt::QueuedConnection);
}

QStringList AccessibleLink::keyBindingsForAction(const QString&) const
{
    return {};
}
