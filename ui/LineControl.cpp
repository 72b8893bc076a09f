// SPDX-License-Identifier: MIT

#include "LineControl.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

LineControl::LineControl(const QLine& line, QWidget* parent)
    : QWidget(parent)
    , line_(line)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Just large enough to hold both end points.
    setGeometry(QRect(QPoint(std::min(line.x1(), line.x2()), std::min(line.y1(), line.y2())),
                      QPoint(std::max(line.x1(), line.x2()), std::max(line.y1(), line.y2()))));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawLine(line_.translated(-pos()));
}
