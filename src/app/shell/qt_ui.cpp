// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/qt_ui.h"

#include "app/dialogs/about_box.h"
#include "app/dialogs/cell_edit_fields.h"
#include "app/dialogs/cell_editing_dialog.h"
#include "app/dialogs/colour_by_value_dialog.h"
#include "app/dialogs/colour_capture_window.h"
#include "app/dialogs/configuration_dialog.h"
#include "app/dialogs/favourite_colours_window.h"
#include "app/dialogs/new_table_dialog.h"
#include "app/dialogs/password_dialog.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/sort_dialog.h"
#include "app/dialogs/style_gallery_dialog.h"
#include "app/dialogs/title_bar_dialog.h"
#include "app/messages/message_table.h"
#include "app/shell/association_prompt.h"
#include "app/shell/export_file_dialog.h"
#include "app/shell/file_dialogs.h"
#include "app/shell/type_ahead.h"
#include "model/favourite_palette.h"
#include "model/settings_file.h"
#include "render/colour.h"

#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcessEnvironment>
#include <QPushButton>

QString MessageBoxText(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines;
}

QtUi::QtUi(QWidget* parent, const ProgramState& state) : parent_(parent), state_(state) {}

void QtUi::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Information,
                    MessageTable(state_.settings.currentLanguage).Message(msg::kProgrammer),
                    MessageBoxText(text), QMessageBox::Ok, parent_);
    box.exec();
}

namespace {

bool AskYesNoTitled(QWidget* parent, const QString& title, const QString& text,
                    QMessageBox::StandardButton defaultButton = QMessageBox::Yes) {
    QMessageBox box(QMessageBox::Question, title, MessageBoxText(text),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(defaultButton);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

bool QtUi::AskYesNo(const QString& text) {
    return AskYesNoTitled(
        parent_, MessageTable(state_.settings.currentLanguage).Message(msg::kProgrammer), text);
}

bool QtUi::AskYesNoDefaultNo(const QString& text) {
    return AskYesNoTitled(parent_,
                          MessageTable(state_.settings.currentLanguage).Message(msg::kProgrammer),
                          text, QMessageBox::No);
}

SaveChoice QtUi::AskSaveChanges(const QString& text) {
    QMessageBox box(QMessageBox::Warning,
                    MessageTable(state_.settings.currentLanguage).Message(msg::kProgrammer),
                    MessageBoxText(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

RecoveryChoice QtUi::AskRecovery(const QString& text) {
    const MessageTable messages(state_.settings.currentLanguage);
    QMessageBox box(QMessageBox::Question, messages.Message(msg::kProgrammer), MessageBoxText(text),
                    QMessageBox::NoButton, parent_);
    QPushButton* restore =
        box.addButton(messages.Message(kRecoveryGroup, kRestoreEntry), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(messages.Message(kRecoveryGroup, kDiscardEntry),
                                         QMessageBox::DestructiveRole);
    QPushButton* later =
        box.addButton(messages.Message(kRecoveryGroup, kLaterEntry), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore) return RecoveryChoice::Restore;
    if (box.clickedButton() == discard) return RecoveryChoice::Discard;
    return RecoveryChoice::Later;
}

// The question is in all seven languages, so its title belongs to none.
bool QtUi::AskToRegisterFileType(const QString& text) {
    AssociationPrompt prompt(parent_, text);
    return prompt.exec() == QDialog::Accepted;
}

QString QtUi::ChooseFile(FileDialogKind kind, FileDialogMode mode, const QString& startPath) {
    const FileDialogSetup setup =
        DescribeFileDialog(kind, mode, MessageTable(state_.settings.currentLanguage));
    QFileDialog dialog(parent_, setup.caption);
    PrepareFileDialog(dialog, setup, startPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    return setup.open ? chosen : CompleteFileName(chosen, setup.defaultExtension);
}

QString QtUi::ClipboardText() {
    return QGuiApplication::clipboard()->text();
}

std::optional<int32_t> QtUi::ChooseColour(int32_t initialColour) {
    const QColor colour = QColorDialog::getColor(ColourFromBgr(initialColour), parent_);
    if (!colour.isValid()) return std::nullopt;
    return BgrFromColour(colour);
}

std::optional<ExportTarget> QtUi::ChooseExportTarget(FileDialogKind kind, const QString& startPath,
                                                     const ExportLook& proposed) {
    const MessageTable messages(state_.settings.currentLanguage);
    const FileDialogSetup setup = DescribeFileDialog(kind, FileDialogMode::Save, messages);
    ExportFileDialog dialog(parent_, messages, setup, startPath,
                            kind == FileDialogKind::Bitmap ? ExportKind::Bitmap : ExportKind::Jpeg,
                            proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ExportTarget{
        CompleteFileName(dialog.selectedFiles().constFirst(), setup.defaultExtension),
        dialog.look()};
}

std::optional<QString> QtUi::AskText(const QString& prompt, const QString& proposed) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(MessageTable(state_.settings.currentLanguage).Message(msg::kProgrammer));
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<GalleryChoice> QtUi::RunStyleGallery(const std::vector<GalleryStyle>& styles,
                                                   int current) {
    StyleGalleryDialog dialog(parent_, MessageTable(state_.settings.currentLanguage), styles,
                              current);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<ColourByValueChoice> QtUi::RunColourByValue(const std::vector<long double>& numbers) {
    ColourByValueDialog dialog(parent_, *this, MessageTable(state_.settings.currentLanguage),
                               numbers);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

std::optional<SortChoice> QtUi::RunSortDialog(const SortOffer& offer, const SortChoice& proposed) {
    SortDialog dialog(parent_, MessageTable(state_.settings.currentLanguage), offer, proposed);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

QString QtUi::AskWorkFilePassword() {
    PasswordDialog dialog(parent_, MessageTable(state_.settings.currentLanguage));
    dialog.exec();
    return dialog.password();
}

bool QtUi::RunNewTableDialog(TableSettings& settings, ProgramState& state) {
    NewTableDialog dialog(parent_, *this, settings, state);
    return dialog.exec() == QDialog::Accepted;
}

bool QtUi::RunConfigurationDialog(TableSettings& settings, ProgramState& state) {
    ConfigurationDialog dialog(parent_, *this, settings, state);
    return dialog.exec() == QDialog::Accepted;
}

void QtUi::RunTitleBarDialog(TableSettings& settings, ProgramState& state) {
    TitleBarDialog dialog(parent_, *this, settings, state);
    dialog.exec();
}

bool QtUi::RunCellEditingDialog(CellEditFields& fields, ProgramState& state,
                                const CellEditOpening& opening) {
    TypeAhead typeAhead;
    CellEditingDialog dialog(parent_, *this, fields, state, opening);
    typeAhead.SendTo(&dialog, [&dialog](const QString& text) { dialog.TypeText(text); });
    dialog.exec();
    return fields.accepted;
}

void QtUi::ShowCapturedColour(int32_t colour) {
    ColourCaptureWindow window(parent_, MessageTable(state_.settings.currentLanguage), colour);
    window.exec();
}

void QtUi::RunFavouriteColours(ProgramState& state) {
    const QString folder =
        SettingsFolder(state.programFolder, QProcessEnvironment::systemEnvironment());
    FavouriteColoursWindow window(parent_, *this, state, PaletteFilePath(folder));
    window.exec();
}

void QtUi::ShowAbout(ProgramState& state) {
    AboutBox box(parent_, MessageTable(state.settings.currentLanguage));
    box.exec();
}
