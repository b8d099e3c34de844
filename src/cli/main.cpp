#include "cli/cli_command.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Works without a display unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();

    const CliResult result = RunCli(arguments);
    fwrite(result.out.constData(), 1, size_t(result.out.size()), stdout);
    if (!result.error.isEmpty()) fprintf(stderr, "quadrivel-cli: %s\n", qPrintable(result.error));
    return result.exitCode;
}
