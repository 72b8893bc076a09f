// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleQt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>

// A window as the program shows it: created, loaded, shown and active.
inline std::unique_ptr<frmPallixExampleQt> ShowLoadedWindow(basExampleFunctions adapter = basExampleFunctions())
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("PallixExample"));  // as main() names it
    auto window = std::make_unique<frmPallixExampleQt>(std::move(adapter));
    window->Form().Load();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get())) {
        qWarning("the window did not become active");
    }
    return window;
}

template <typename Control = QWidget>
Control* ControlOf(const QWidget& window, const char* name)
{
    return window.findChild<Control*>(QString::fromLatin1(name));
}

inline QString TemperatureShown(const QWidget& window)
{
    return ControlOf<QLineEdit>(window, "txtTemperatur")->text();
}

inline QString StatusLog(const QWidget& window)
{
    return ControlOf<QPlainTextEdit>(window, "txtOutput")->toPlainText();
}

inline void PressRead(const QWidget& window)
{
    QTest::mouseClick(ControlOf(window, "cmdReadTemp"), Qt::LeftButton);
}

// A program that writes its argument count and then each argument in
// brackets, one a line, to "<itself>.out".
inline constexpr char kRecorder[] =
    "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > \"$0.tmp\"\nmv \"$0.tmp\" \"$0.out\"\n";

inline bool WriteFile(const QString& path, const QByteArray& content, bool executable)
{
    QFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush();
    return written && (!executable || file.setPermissions(file.permissions() | QFile::ExeOwner));
}

inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While one lives, every modal message box that opens is noted as
// "title|text" and closed with its one button, so a test never hangs on one.
class MessageBoxCatcher : public QObject {
public:
    MessageBoxCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) {
                return;
            }
            seen << box->windowTitle() + u'|' + box->text();
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
            } else {
                box->reject();
            }
        });
        timer_.start(10);
    }

    QStringList seen;

private:
    QTimer timer_;
};
