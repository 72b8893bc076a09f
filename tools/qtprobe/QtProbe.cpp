// SPDX-License-Identifier: MIT

// Preloaded into a Qt Widgets program: waits for the first paint of a
// top-level window, then does QTPROBE_ACTION and writes to the file QTPROBE_OUT:
//   painted     CLOCK_MONOTONIC nanoseconds once the first frame is out, quit
//   read        press cmdReadTemp of frmPallixExample, write txtTemperatur,
//               txtOutput and driver=<real path of libPallix400.so>, quit
//   screenshot  optionally press Read first (QTPROBE_CLICK=1), save the window
//               as the screen shows it as PNG, quit
#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <link.h>
#include <string>
#include <utility>

namespace {

enum class Action { Painted, Read, Screenshot };

constexpr int kProbeFailed = 3;

void Fail(const QString& message)
{
    std::fprintf(stderr, "qtprobe: %s\n", qPrintable(message));
    QCoreApplication::exit(kProbeFailed);
}

int MatchDriver(dl_phdr_info* info, size_t, void* data)
{
    const char* name = info->dlpi_name;
    const char* slash = std::strrchr(name, '/');
    if (std::strcmp(slash ? slash + 1 : name, "libPallix400.so") != 0) {
        return 0;
    }
    *static_cast<std::string*>(data) = name;
    return 1;
}

// Where the loaded driver library lives, or "(not loaded)".
QString LoadedDriverPath()
{
    std::string name;
    dl_iterate_phdr(MatchDriver, &name);
    if (name.empty()) {
        return QStringLiteral("(not loaded)");
    }
    char resolved[PATH_MAX];
    if (realpath(name.c_str(), resolved) == nullptr) {
        return QString::fromLocal8Bit(name.c_str());
    }
    return QString::fromLocal8Bit(resolved);
}

class Probe : public QObject {
public:
    Probe(Action action, QString outPath)
        : action_(action)
        , outPath_(std::move(outPath))
    {
    }

protected:
    // A top-level widget's Paint event comes at the start of the backing
    // store's repaint; the zero-timer runs once that repaint, children and
    // the flush to the window included, has returned to the event loop.
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (window_ == nullptr && event->type() == QEvent::Paint && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            if (widget->isWindow() && widget->isVisible() && Wanted(widget)) {
                window_ = widget;
                QTimer::singleShot(0, this, [this] { Run(); });
            }
        }
        return false;
    }

private:
    bool Wanted(const QWidget* widget) const
    {
        return action_ != Action::Read || widget->objectName() == QLatin1String("frmPallixExample");
    }

    void Run()
    {
        qApp->removeEventFilter(this);
        switch (action_) {
        case Action::Painted:
            return WritePaintedTime();
        case Action::Read:
            return ReadTemperature();
        case Action::Screenshot:
            return Screenshot();
        }
    }

    void Finish(const QByteArray& result)
    {
        QFile out(outPath_);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(result) != result.size()) {
            return Fail(QStringLiteral("cannot write %1: %2").arg(outPath_, out.errorString()));
        }
        out.close();
        QCoreApplication::exit(0);
    }

    template <typename T>
    T* Child(const char* name)
    {
        return window_->findChild<T*>(QLatin1String(name));
    }

    void WritePaintedTime()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
        Finish(QByteArray::number(ns) + '\n');
    }

    void ReadTemperature()
    {
        auto* button = Child<QAbstractButton>("cmdReadTemp");
        auto* temperature = Child<QLineEdit>("txtTemperatur");
        auto* status = Child<QPlainTextEdit>("txtOutput");
        if (!button || !temperature || !status) {
            return Fail(QStringLiteral("frmPallixExample lacks cmdReadTemp, txtTemperatur or txtOutput"));
        }
        button->click();
        QString text = temperature->text() + QLatin1Char('\n') + status->toPlainText();
        if (!text.endsWith(QLatin1Char('\n'))) {
            text += QLatin1Char('\n');
        }
        text += QStringLiteral("driver=") + LoadedDriverPath() + QLatin1Char('\n');
        Finish(text.toUtf8());
    }

    void Screenshot()
    {
        if (qgetenv("QTPROBE_CLICK") == "1") {
            auto* button = Child<QAbstractButton>("cmdReadTemp");
            if (!button) {
                return Fail(QStringLiteral("QTPROBE_CLICK=1 but the window has no button cmdReadTemp"));
            }
            button->click();
        }
        // Let the repaints that the click caused reach the screen first.
        QTimer::singleShot(200, this, [this] {
            QCoreApplication::processEvents();
            QScreen* screen = window_->screen();
            const QPixmap shot = screen ? screen->grabWindow(window_->winId()) : QPixmap();
            if (shot.isNull()) {
                return Fail(QStringLiteral("could not grab the window from the screen"));
            }
            if (!shot.save(outPath_, "PNG")) {
                return Fail(QStringLiteral("cannot write PNG %1").arg(outPath_));
            }
            QCoreApplication::exit(0);
        });
    }

    Action action_;
    QString outPath_;
    QWidget* window_ = nullptr;
};

void StartProbe()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr) {
        std::fprintf(stderr, "qtprobe: this program has no QApplication; nothing to do\n");
        return;
    }
    const QString name = QString::fromLocal8Bit(qgetenv("QTPROBE_ACTION"));
    Action action;
    if (name == QLatin1String("painted")) {
        action = Action::Painted;
    } else if (name == QLatin1String("read")) {
        action = Action::Read;
    } else if (name == QLatin1String("screenshot")) {
        action = Action::Screenshot;
    } else {
        std::fprintf(stderr,
                     "qtprobe: unknown QTPROBE_ACTION \"%s\" (use painted, read or screenshot); "
                     "leaving the program alone\n",
                     qPrintable(name));
        return;
    }
    const QString outPath = QString::fromLocal8Bit(qgetenv("QTPROBE_OUT"));
    if (outPath.isEmpty()) {
        std::fprintf(stderr, "qtprobe: QTPROBE_OUT names no file; leaving the program alone\n");
        return;
    }
    auto* probe = new Probe(action, outPath);
    probe->setParent(app);
    app->installEventFilter(probe);
}

__attribute__((constructor)) void RegisterProbe()
{
    qAddPreRoutine(StartProbe);
}

}  // namespace
