// SPDX-License-Identifier: MIT

// The smallest Qt Widgets program with a window of PallixExample's size: one
// empty QWidget with a 495 x 425 pixel client area. The startup benchmark
// measures PallixExample against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(495, 425);
    window.show();
    return app.exec();
}
