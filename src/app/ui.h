#pragma once

#include "render/message_sink.h"

#include <QString>
#include <cstdint>
#include <optional>

struct AppState;
struct CellEditFields;
struct CellEditOpening;
struct TableSettings;

// The file dialogs of the program.
enum class FileDialogKind { WorkFile, Image, Icon, Jpeg, Bitmap };
enum class FileDialogMode { Open, Save };

// Every prompt to the user and every dialog the commands open. The editor uses the Qt
// implementation; tests script the answers.
class Ui : public MessageSink {
public:
    // Message boxes titled with the program's title message; multi-line texts use "\r\n".
    void ShowMessage(const QString& text) override = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    // The start-up question whether to register the program for work files (its own title).
    virtual bool AskToRegisterFileType(const QString& text) { return AskYesNo(text); }

    // The chosen path, or an empty text when the user cancelled. startPath proposes a folder
    // and file name.
    virtual QString ChooseFile(FileDialogKind kind, FileDialogMode mode,
                               const QString& startPath) = 0;
    // The platform colour dialog; nothing when cancelled.
    virtual std::optional<int32_t> ChooseColour(int32_t initialColour) = 0;
    // The password of a protected work file, or an empty text when the user gave up.
    virtual QString AskWorkFilePassword() = 0;

    // The New Table dialog: edits the settings (counts, cell size, colours, thickness,
    // separator, password, title bars, line styles); true when accepted.
    virtual bool RunNewTableDialog(TableSettings& settings, AppState& state) = 0;
    // The Configuration dialog: changes the settings at once; true when accepted.
    virtual bool RunConfigurationDialog(TableSettings& settings, AppState& state) = 0;
    // The title-bar dialog: edits the four title-bar colours.
    virtual void RunTitleBarDialog(TableSettings& settings, AppState& state) = 0;
    // The cell editing dialog over the working fields; true when accepted (decimals and the
    // decimal mask in the state may change).
    virtual bool RunCellEditingDialog(CellEditFields& fields, AppState& state,
                                      const CellEditOpening& opening) = 0;
    virtual void ShowCapturedColour(int32_t colour) = 0;
    // The favourite-colours window; may change state.capturedColour.
    virtual void RunFavouriteColours(AppState& state) = 0;
    virtual void ShowAbout(AppState& state) = 0;
};
