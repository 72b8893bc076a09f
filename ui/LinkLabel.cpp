// SPDX-License-Identifier: MIT

#include "LinkLabel.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void LinkLabel::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMoved();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    pressed_ = false;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit Clicked();
    }
}
