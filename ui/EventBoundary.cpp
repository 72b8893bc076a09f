#include "EventBoundary.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <new>

namespace EventBoundary {
namespace {
constexpr int kInternalError = 51;
}

RuntimeError AsRuntimeError(const std::exception_ptr& exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(RuntimeError::OutOfMemory, "Out of memory");
    } catch (const std::exception& other) {
        return RuntimeError(kInternalError, other.what());
    } catch (...) {
        return RuntimeError(kInternalError, "Internal error");
    }
}

void ReportUntrapped(const std::exception_ptr& exception) noexcept
{
    try {
        const RuntimeError error = AsRuntimeError(exception);
        const QString text = QStringLiteral("Run-time error '%1':\n\n%2")
                                 .arg(error.number())
                                 .arg(QString::fromStdString(error.description()));
        QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok);
        box.exec();
    } catch (...) {
        // The box could not be shown; say it where it can still be seen.
        std::fputs("PallixExample: an untrapped run-time error ended the program\n", stderr);
    }
    QCoreApplication::exit(kExitStatus);
}

}  // namespace EventBoundary
