// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>

class LinkLabel;

// What assistive technology sees of the web link: the role link, the address
// as its name, and one action that does what a click does. The label takes no
// focus and has no access key, so the action is the only way besides the mouse.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(LinkLabel* label);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};
