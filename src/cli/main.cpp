// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_command.h"
#include "content/style_file.h"
#include "model/settings_file.h"
#include "model/whole_file_write.h"

#include <QGuiApplication>
#include <QProcessEnvironment>
#include <cstdio>
#include <cstdlib>

namespace {

// stderr carries only the program's own lines; Qt's notes about the environment (such as a
// missing XDG_RUNTIME_DIR) would break that promise. Errors still get through.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        fprintf(stderr, "quadrivel-cli: %s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(QuietQtMessages);
    IgnoreFileSizeSignal();
    // Works without a display unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Taken before Qt reads its own options from argv: it would take "--style NAME" for the
    // widget style and drop it.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QGuiApplication application(argc, argv);

    // The editor's own settings file, found as the editor finds it.
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const CliResult result = RunCli(
        arguments,
        {SettingsFilePath(SettingsFolder(QGuiApplication::applicationDirPath(), environment)),
         environment.value(QStringLiteral("QUADRIVEL_PASSWORD")), StylesFolderFrom(environment)});
    fwrite(result.out.constData(), 1, size_t(result.out.size()), stdout);
    for (const QString& message : result.messages)
        fprintf(stderr, "quadrivel-cli: %s\n", qPrintable(message.simplified()));
    if (!result.error.isEmpty()) fprintf(stderr, "quadrivel-cli: %s\n", qPrintable(result.error));
    // Every file is written and closed by now. Qt's teardown is skipped: on Qt 6.4 the font
    // database's destructor loads fontconfig's whole configuration only to free it, a fifth of
    // a `--version`. Sanitizer builds keep the teardown, so that leaks are still found.
    int exitCode = result.exitCode;
    if (fflush(stdout) != 0 && exitCode == kExitSuccess) {
        fprintf(stderr, "quadrivel-cli: the standard output could not be written\n");
        exitCode = kExitOutputNotWritten;
    }
#ifndef __SANITIZE_ADDRESS__
    std::_Exit(exitCode);
#endif
    return exitCode;
}
