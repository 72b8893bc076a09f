#include "EventBoundary.h"

#include "WindowTexts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>

namespace EventBoundary {

RuntimeError AsRuntimeError(const std::exception_ptr& exception)
{
    return RuntimeError::From(exception);
}

void ReportUntrapped(const std::exception_ptr& exception) noexcept
{
    try {
        const RuntimeError error = AsRuntimeError(exception);
        const QString text =
            QString::fromStdString(WindowTexts::RunTimeErrorReport(error.number(), error.description()));
        QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
        box.exec();
    } catch (...) {
        // The box could not be shown; say it where it can still be seen.
        std::fputs("PallixExample: an untrapped run-time error ended the program\n", stderr);
    }
    QCoreApplication::exit(kExitStatus);
}

}  // namespace EventBoundary
