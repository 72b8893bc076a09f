// SPDX-License-Identifier: MIT

#pragma once

#include <QLine>
#include <QWidget>

// A straight line one pixel wide, drawn in the window-text colour between two
// end points given in its parent's coordinates. It takes no focus and lets the
// mouse through to whatever lies under it.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(const QLine& line, QWidget* parent);

    // The end points in the parent's coordinates, in pixels.
    QLine line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine line_;
};
