// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/ui.h"

class QWidget;

// The prompts and dialogs of the editor as Qt widgets, modal over the parent window. Texts
// come from the message table in the current language of the state.
class QtUi : public Ui {
public:
    QtUi(QWidget* parent, const ProgramState& state);
    // The window the prompts are modal over, once it exists.
    void SetParentWindow(QWidget* parent) { parent_ = parent; }

    void ShowMessage(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    bool AskYesNoDefaultNo(const QString& text) override;
    SaveChoice AskSaveChanges(const QString& text) override;
    RecoveryChoice AskRecovery(const QString& text) override;
    bool AskToRegisterFileType(const QString& text) override;
    QString ChooseFile(FileDialogKind kind, FileDialogMode mode, const QString& startPath) override;
    std::optional<ExportTarget> ChooseExportTarget(FileDialogKind kind, const QString& startPath,
                                                   const ExportLook& proposed) override;
    QString ClipboardText() override;
    std::optional<int32_t> ChooseColour(int32_t initialColour) override;
    std::optional<QString> AskText(const QString& prompt, const QString& proposed) override;
    std::optional<GalleryChoice> RunStyleGallery(const std::vector<GalleryStyle>& styles,
                                                 int current) override;
    std::optional<ColourByValueChoice>
    RunColourByValue(const std::vector<long double>& numbers) override;
    QString AskWorkFilePassword() override;
    bool RunNewTableDialog(TableSettings& settings, ProgramState& state) override;
    bool RunConfigurationDialog(TableSettings& settings, ProgramState& state) override;
    void RunTitleBarDialog(TableSettings& settings, ProgramState& state) override;
    bool RunCellEditingDialog(CellEditFields& fields, ProgramState& state,
                              const CellEditOpening& opening) override;
    void ShowCapturedColour(int32_t colour) override;
    void RunFavouriteColours(ProgramState& state) override;
    void ShowAbout(ProgramState& state) override;
    std::optional<SortChoice> RunSortDialog(const SortOffer& offer,
                                            const SortChoice& proposed) override;

private:
    QWidget* parent_;
    const ProgramState& state_;
};

// Message texts join their lines with "\r\n"; a message box wants "\n".
QString MessageBoxText(const QString& text);
