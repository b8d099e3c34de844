#include "app/startup.h"

#include "app/app_resources.h"
#include "app/app_state.h"
#include "app/file_association.h"
#include "app/main_window.h"
#include "app/message_table.h"
#include "app/qt_translation.h"
#include "app/qt_ui.h"
#include "content/clock.h"

#include <QApplication>
#include <QImageWriter>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTranslator>

QString CommandLineText(const QStringList& arguments) {
    QString text = arguments.mid(1).join(QLatin1Char(' '));
    text.remove(QLatin1Char('"'));
    return text;
}

int RunEditor(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InitAppResources();

    AppState state;
    state.programFolder = QApplication::applicationDirPath();
    state.lastFolder = state.programFolder;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    state.settingsPath = SettingsFilePath(SettingsFolder(state.programFolder, environment));
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
        // Exports need the JPEG writer; without it the program cannot do its job.
        if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
            ui.ShowMessage(MessageTable(state.settings.currentLanguage).Message(10, 1));
            return 1;
        }
        const XdgFolders folders = XdgFoldersFrom(environment);
        if (AssociatedApplication(folders).trimmed().isEmpty() &&
            ui.AskToRegisterFileType(AssociationQuestion()))
            RegisterAssociation(folders, QApplication::applicationFilePath());
    }

    SystemClock clock;
    MainWindow window(ui, clock, state);
    ui.SetParentWindow(&window);
    window.FitInto(window.screen()->availableGeometry());
    window.show();
    window.editor().Initialise(CommandLineText(QApplication::arguments()));
    return application.exec();
}
