#include "EventBoundary.h"
#include "frmPallixExample.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int kUsageError = 2;

void SetProgramIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("PallixExample"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

// The window takes no arguments; only --help and --version are understood.
// Returns the exit status when the program should not open its window.
std::optional<int> CheckCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads an SPI temperature sensor through the test pins of a Pallix400 adapter."));
    parser.addHelpOption();
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
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (std::strcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication app(argc, argv);
        SetProgramIdentity();
        return CheckCommandLine(QCoreApplication::arguments()).value_or(0);
    }

    QApplication app(argc, argv);
    SetProgramIdentity();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("PallixExample"));
    if (const auto status = CheckCommandLine(QCoreApplication::arguments())) {
        return *status;
    }

    frmPallixExample window;
    if (!EventBoundary::Run([&window] { window.Form_Load(); })) {
        return EventBoundary::kExitStatus;
    }
    window.show();
    return QApplication::exec();
}
