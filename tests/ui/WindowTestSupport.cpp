#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

void NameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("PallixExample"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("PallixExample"));
}

std::unique_ptr<frmPallixExample> ShowLoadedWindow() {
    auto window = std::make_unique<frmPallixExample>();
    window->Form_Load();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    return window;
}

MessageBoxCatcher::MessageBoxCatcher() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::CloseOpenBox);
    timer_.start();
}

void MessageBoxCatcher::CloseOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    ++count_;
    title_ = box->windowTitle();
    text_ = box->text();
    icon_ = box->icon();
    buttonCount_ = static_cast<int>(box->buttons().size());
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();
    }
}
