// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

// A label that serves as a web link: it reports every mouse move over it,
// and each click, that is the left button pressed and released over it. The
// second press of a double click makes no second click.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent);

signals:
    void MouseMoved();
    void Clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;  // the left button went down on the link
};
