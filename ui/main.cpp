// SPDX-License-Identifier: MIT

#include "WindowTexts.h"
#include "frmPallixExampleQt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

namespace {

constexpr int kUsageError = 2;
constexpr int kNoDisplay = 1;

void SetProgramIdentity()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(WindowTexts::kApplicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(WindowTexts::kVersion));
}

// The window takes no arguments; only --help and --version are understood.
// Returns the exit status when the program should not open its window.
std::optional<int> CheckCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads an SPI temperature sensor through the test pins of a Pallix400 adapter."));
    // Not addHelpOption(): its --help-all would promise the toolkit's own options.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                        QStringLiteral("Displays help on commandline options.")));
    parser.addVersionOption();
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "PallixExample: %s\nTry 'PallixExample --help'.\n", qPrintable(parser.errorText()));
        return kUsageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);  // does not return
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();  // does not return
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr,
                     "PallixExample: unexpected argument '%s'; the program takes none\n"
                     "Try 'PallixExample --help'.\n",
                     qPrintable(parser.positionalArguments().constFirst()));
        return kUsageError;
    }
    return std::nullopt;
}

// Help and version are answered without a display.
bool AsksForHelpOrVersion(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

QStringList heldMessages;

// While the toolkit opens the display: its messages are held back, and its
// fatal one, that no display can be opened, becomes one line that says what
// to do, and exit status 1 instead of an abort.
void HoldStartMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        heldMessages << message;
        return;
    }
    std::fputs("PallixExample: no display to show the window on: set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) "
               "to a running desktop, or start it on a virtual one with 'xvfb-run -a PallixExample'\n",
               stderr);
    std::_Exit(kNoDisplay);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        SetProgramIdentity();
        return CheckCommandLine(QCoreApplication::arguments()).value_or(0);
    }

    qInstallMessageHandler(HoldStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    for (const QString& message : std::as_const(heldMessages)) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    SetProgramIdentity();
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(WindowTexts::kApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.miral.PallixExample"));
    QApplication::setFont(frmPallixExampleQt::DialogFont());
    if (const auto status = CheckCommandLine(QCoreApplication::arguments())) {
        return *status;
    }

    frmPallixExampleQt window;
    window.Form().Load();
    if (const auto status = window.EndStatus()) {
        return *status;
    }
    window.show();
    return QApplication::exec();
}
