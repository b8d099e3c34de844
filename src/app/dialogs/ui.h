// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/colour_by_value.h"
#include "content/table_sort.h"
#include "render/export_cut.h"
#include "render/message_sink.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

struct ProgramState;
struct CellEditFields;
struct CellEditOpening;
struct TableSettings;

// The file dialogs of the program.
enum class FileDialogKind { WorkFile, Image, Icon, Jpeg, Bitmap, Data };
enum class FileDialogMode { Open, Save };
// The answers to the question about unsaved changes.
enum class SaveChoice { Save, Discard, Cancel };
// The answers to the offer of a recovery copy at start-up.
enum class RecoveryChoice { Restore, Discard, Later };

// Where a picture export writes and how it draws.
struct ExportTarget {
    QString path;
    ExportLook look;
};

// One style of the table-style gallery: its shown name and its preview of the table.

struct GalleryStyle {
    QString name;
    QImage preview;
    bool deletable = false; // the user's own styles
};
// What the user chose in the gallery, for the style of that index.
enum class GalleryAction { Apply, Delete };
struct GalleryChoice {
    GalleryAction action = GalleryAction::Apply;
    int index = 0;
};

// What Colour by value applies: a scale or a rule.
using ColourByValueChoice = std::variant<ColourScale, ColourRule>;
// The Sort dialog's choices: one or two keys, and whether the first row stays as a header.
struct SortChoice {
    std::vector<SortKey> keys;
    bool header = false;
};
// What the Sort dialog offers: the table's columns, the header box (not for a selection).
struct SortOffer {
    int columnCount = 0;
    bool headerOffered = true;
};

// Every prompt to the user and every dialog the commands open. The editor uses the Qt
// implementation; tests script the answers.
class Ui : public MessageSink {
public:
    // Message boxes titled with the program's title message; multi-line texts use "\r\n".
    void ShowMessage(const QString& text) override = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    // A yes/no question whose default button is No, so Enter or Escape never says yes.
    virtual bool AskYesNoDefaultNo(const QString& text) { return AskYesNo(text); }
    // Save / Don't save / Cancel before unsaved changes would be lost; Escape cancels.
    virtual SaveChoice AskSaveChanges(const QString& text) = 0;
    // Restore / Discard / Later for a recovery copy found at start-up; Escape says Later.
    virtual RecoveryChoice AskRecovery(const QString& text) = 0;
    // The start-up question whether to register the program for work files (its own title).
    virtual bool AskToRegisterFileType(const QString& text) { return AskYesNo(text); }

    // The chosen path, or an empty text when the user cancelled. startPath proposes a folder
    // and file name.
    virtual QString ChooseFile(FileDialogKind kind, FileDialogMode mode,
                               const QString& startPath) = 0;
    // The picture export's file together with its scale and transparent background, all in
    // one dialog: the look is proposed as `proposed`, the transparent box greyed out while the
    // chosen name cannot keep it. Nothing when cancelled.
    virtual std::optional<ExportTarget> ChooseExportTarget(FileDialogKind kind,
                                                           const QString& startPath,
                                                           const ExportLook& proposed) = 0;
    // The text on the clipboard; empty when it holds none.
    virtual QString ClipboardText() = 0;
    // The platform colour dialog; nothing when cancelled.
    virtual std::optional<int32_t> ChooseColour(int32_t initialColour) = 0;
    // A line of text asked with `prompt`, proposed as `proposed`; nothing when cancelled.
    virtual std::optional<QString> AskText(const QString& prompt, const QString& proposed) = 0;
    // The table-style gallery with `current` chosen; nothing when closed without a choice.
    virtual std::optional<GalleryChoice> RunStyleGallery(const std::vector<GalleryStyle>& styles,
                                                         int current) = 0;
    // The Colour by value dialog, its preview over the numbers it would colour; nothing when
    // cancelled.
    virtual std::optional<ColourByValueChoice>
    RunColourByValue(const std::vector<long double>& numbers) = 0;
    // The password of a protected work file, or an empty text when the user gave up.
    virtual QString AskWorkFilePassword() = 0;

    // The New Table dialog: edits the settings (counts, cell size, colours, thickness,
    // separator, password, title bars, line styles); true when accepted.
    virtual bool RunNewTableDialog(TableSettings& settings, ProgramState& state) = 0;
    // The Configuration dialog: changes the settings at once; true when accepted.
    virtual bool RunConfigurationDialog(TableSettings& settings, ProgramState& state) = 0;
    // The title-bar dialog: edits the four title-bar colours.
    virtual void RunTitleBarDialog(TableSettings& settings, ProgramState& state) = 0;
    // The cell editing dialog over the working fields; true when accepted (decimals and the
    // decimal mask in the state may change).
    virtual bool RunCellEditingDialog(CellEditFields& fields, ProgramState& state,
                                      const CellEditOpening& opening) = 0;
    virtual void ShowCapturedColour(int32_t colour) = 0;
    // The favourite-colours window; may change state.capturedColour.
    virtual void RunFavouriteColours(ProgramState& state) = 0;
    virtual void ShowAbout(ProgramState& state) = 0;
    // The Sort dialog, opened on `proposed`; nothing when cancelled.
    virtual std::optional<SortChoice> RunSortDialog(const SortOffer& offer,
                                                    const SortChoice& proposed) = 0;
};
