#pragma once

#include "frmPallixExample.h"

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

// Names the program as main() does, so that load puts it into the caption.
void NameTheProgram();

// A window as the program shows it: created, loaded, shown and active.
std::unique_ptr<frmPallixExample> ShowLoadedWindow();

// The named control of `window`, or a failed check.
template <typename Control = QWidget>
Control* ControlOf(const QWidget& window, const char* name) {
    return window.findChild<Control*>(QString::fromLatin1(name));
}

// While one lives, every modal message box that opens is noted and closed
// with its OK button, so a test never hangs on one.
class MessageBoxCatcher : public QObject {
public:
    MessageBoxCatcher();

    int count() const { return count_; }
    QString title() const { return title_; }
    QString text() const { return text_; }
    QMessageBox::Icon icon() const { return icon_; }
    int buttonCount() const { return buttonCount_; }

private:
    void CloseOpenBox();

    QTimer timer_;
    int count_ = 0;
    QString title_;
    QString text_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
    int buttonCount_ = 0;
};
