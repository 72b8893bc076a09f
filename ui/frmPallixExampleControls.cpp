// SPDX-License-Identifier: MIT

#include "frmPallixExampleControls.h"

#include "LineControl.h"
#include "LinkLabel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRect>

#include <algorithm>

namespace frmPallixExampleControls {
namespace {

using frmPallixExampleLayout::Control;
using frmPallixExampleLayout::ControlType;
using frmPallixExampleLayout::TwipsToPixels;

QString Caption(const Control& control)
{
    return control.caption ? QString::fromUtf8(control.caption) : QString();
}

Qt::Alignment Alignment(const Control& control)
{
    switch (control.alignment) {
    case frmPallixExampleLayout::TextAlignment::Left:
        return Qt::AlignLeft;
    case frmPallixExampleLayout::TextAlignment::Right:
        return Qt::AlignRight;
    case frmPallixExampleLayout::TextAlignment::None:
        break;
    }
    return {};
}

// Where the control stands, in pixels (the temperature box widened for
// today's faces, as the layout says).
QRect Geometry(const Control& stored)
{
    const Control control = frmPallixExampleLayout::AsShown(stored);
    return {TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
            TwipsToPixels(control.height)};
}

QWidget* CreateLine(const Control& control, QWidget* container)
{
    const QLine line(TwipsToPixels(control.left), TwipsToPixels(control.top), TwipsToPixels(control.width),
                     TwipsToPixels(control.height));
    return new LineControl(line, container);
}

QWidget* CreateLabel(const Control& control, QWidget* container)
{
    auto* label = control.type == ControlType::Link ? new LinkLabel(container) : new QLabel(container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Alignment(control) | Qt::AlignTop);
    label->setText(Caption(control));
    return label;
}

QWidget* CreateImage(const Control& control, QWidget* container)
{
    auto* image = new QLabel(container);
    image->setPixmap(QPixmap(QStringLiteral(":/pictures/%1.png").arg(Caption(control)), "PNG"));
    return image;
}

QWidget* CreateTextBox(const Control& control, QWidget* container)
{
    auto* box = new QLineEdit(container);
    box->setReadOnly(true);
    box->setAlignment(Alignment(control) | Qt::AlignVCenter);
    box->setText(Caption(control));
    return box;
}

QWidget* CreateMultiLineTextBox(const Control& control, QWidget* container)
{
    auto* box = new QPlainTextEdit(container);
    box->setReadOnly(true);
    // Read-only, yet the caret still moves so that text below the last
    // visible line can be reached; there are no scroll bars.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    box->setPlainText(Caption(control));
    return box;
}

QWidget* CreateCommandButton(const Control& control, QWidget* container)
{
    auto* button = new QPushButton(Caption(control), container);
    // Neither the default nor the cancel button, but Enter presses it while
    // it has the focus, as Space does.
    button->setAutoDefault(true);
    button->setDefault(false);
    return button;
}

QWidget* CreateWidget(const Control& control, QWidget* container)
{
    switch (control.type) {
    case ControlType::Frame:
        return new QGroupBox(Caption(control), container);
    case ControlType::Line:
        return CreateLine(control, container);
    case ControlType::Label:
    case ControlType::Link:
        return CreateLabel(control, container);
    case ControlType::TextBox:
        return CreateTextBox(control, container);
    case ControlType::MultiLineTextBox:
        return CreateMultiLineTextBox(control, container);
    case ControlType::CommandButton:
        return CreateCommandButton(control, container);
    case ControlType::Image:
        return CreateImage(control, container);
    }
    return nullptr;
}

}  // namespace

QWidget* Create(const Control& control, QWidget* container)
{
    QWidget* widget = CreateWidget(control, container);
    widget->setObjectName(QString::fromLatin1(control.name));
    if (control.type != ControlType::Line) {
        widget->setGeometry(Geometry(control));
        // Mouse moves over a control are its own; the window sees only
        // those over its own surface.
        widget->setAttribute(Qt::WA_NoMousePropagation, !control.isSurface);
        widget->setFocusPolicy(control.takesFocus ? Qt::StrongFocus : Qt::NoFocus);
    }
    if (control.fitsText) {
        const int textWidth = widget->fontMetrics().horizontalAdvance(Caption(control));
        widget->resize(std::max(widget->width(), textWidth), widget->height());
    }
    // A control inherits the window's pointer unless it has its own (text
    // boxes have theirs already).
    if (!control.showsWindowPointer && !widget->testAttribute(Qt::WA_SetCursor)) {
        widget->setCursor(Qt::ArrowCursor);
    }
    return widget;
}

}  // namespace frmPallixExampleControls
