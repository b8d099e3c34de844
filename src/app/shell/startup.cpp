// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/startup.h"

#include "app/editor/editor_state.h"
#include "app/messages/message_table.h"
#include "app/shell/app_resources.h"
#include "app/shell/file_association.h"
#include "app/shell/main_window.h"
#include "app/shell/qt_recovery_timer.h"
#include "app/shell/qt_translation.h"
#include "app/shell/qt_ui.h"
#include "content/clock.h"
#include "content/style_file.h"
#include "model/recovery_store.h"
#include "model/whole_file_write.h"
#include "quadrivel_version.h"
#include "render/image_format_writer.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTranslator>
#include <cstdio>
#include <optional>

namespace {

// The text the editor prints, without opening a window, when its only argument is --help or
// --version; nothing for any other command line (a file to open).
std::optional<QString> CommandLineAnswer(const QStringList& arguments) {
    if (arguments.size() != 2) return std::nullopt;
    if (arguments[1] == QStringLiteral("--version"))
        return QStringLiteral("quadrivel " QUADRIVEL_VERSION "\n");
    if (arguments[1] == QStringLiteral("--help") || arguments[1] == QStringLiteral("-h"))
        return QStringLiteral("Usage: quadrivel [FILE]\n"
                              "Opens the Quadrivel table editor, with the work file FILE (.qdvl) "
                              "when given.\n\n"
                              "  -h, --help  show this help and exit\n"
                              "  --version   show the version and exit\n\n"
                              "In the window, Table > Sort... orders the rows by one or two "
                              "columns; Ctrl+F finds a text (F3 next, Shift+F3 previous) and "
                              "Ctrl+H replaces it.\n"
                              "quadrivel-cli reads and exports work files without a display. "
                              "See quadrivel(1).\n");
    return std::nullopt;
}

} // namespace

QString CommandLineText(const QStringList& arguments) {
    QString text = arguments.mid(1).join(QLatin1Char(' '));
    text.remove(QLatin1Char('"'));
    return text;
}

int RunEditor(int argc, char* argv[]) {
    // Answered before the application starts, so no display is needed.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<QString> answer = CommandLineAnswer(arguments)) {
        fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }

    IgnoreFileSizeSignal();
    QApplication application(argc, argv);
    InitAppResources();

    EditorState state;
    state.programFolder = QApplication::applicationDirPath();
    state.lastFolder = state.programFolder;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    state.settingsPath = SettingsFilePath(SettingsFolder(state.programFolder, environment));
    state.stylesFolder = StylesFolderFrom(environment);
    QString settingsWarning;
    state.settings = LoadSettings(state.settingsPath, &settingsWarning);

    QtUi ui(nullptr, state);
    if (!settingsWarning.isEmpty())
        ui.ShowMessage(MessageTable(state.settings.currentLanguage)
                           .Message(kUnreadableGroup, kOwnFileIgnoredEntry) +
                       settingsWarning);
    {
        // Qt's own buttons of the first questions speak the program's language too; from
        // then on the main window keeps Qt's texts in step with the language.
        QTranslator qtTranslation;
        InstallQtTranslation(qtTranslation, state.settings.currentLanguage);
        // Exports need the JPEG writer; without it the program cannot do its job. Asked of
        // that one plugin: Qt's list of every format asks each plugin in turn.
        if (!CanWriteImageFormat("jpeg")) {
            ui.ShowMessage(
                MessageTable(state.settings.currentLanguage).Message(msg::kGraphicsStartFailed));
            return 1;
        }
        const XdgFolders folders = XdgFoldersFrom(environment);
        if (AssociatedApplication(folders).trimmed().isEmpty() &&
            ui.AskToRegisterFileType(AssociationQuestion()))
            RegisterAssociation(folders, QApplication::applicationFilePath());
    }

    SystemClock clock;
    QtRecoveryTimer recoveryTimer; // outlives the window that uses it
    MainWindow window(ui, clock, state);
    window.editor().recovery().Enable(recoveryTimer, RecoveryFolderFrom(environment));
    ui.SetParentWindow(&window);
    window.FitInto(window.screen()->availableGeometry());
    window.show();
    window.editor().Initialise(CommandLineText(QApplication::arguments()));
    window.editor().OfferRecoveryCopies();
    return application.exec();
}
