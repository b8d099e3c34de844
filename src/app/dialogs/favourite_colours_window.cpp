// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/favourite_colours_window.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/focus_memory.h"
#include "app/dialogs/palette_picture.h"
#include "app/dialogs/program_state.h"
#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"
#include "render/colour.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int32_t kChooserStartColour = 0x808080;

// A protected or missing file is not an error here.
void DeletePaletteFile(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
    QFile::remove(path);
}

} // namespace

FavouriteColoursWindow::FavouriteColoursWindow(QWidget* parent, Ui& ui, ProgramState& state,
                                               const QString& palettePath)
    : QDialog(parent), ui_(ui), state_(state), path_(palettePath) {
    const MessageTable messages(state.settings.currentLanguage);
    QString warning;
    palette_ = LoadPalette(palettePath, &warning);
    if (!warning.isEmpty())
        ui_.ShowMessage(messages.Message(kUnreadableGroup, kOwnFileIgnoredEntry) + warning);
    setWindowTitle(messages.Message(msg::kFavoriteColorsLoadThem));
    setFixedSize(344, 334);

    picture_ = new PalettePicture(palette_, this);
    picture_->move(4, 4);
    connect(picture_, &PalettePicture::swatchClicked, this, &FavouriteColoursWindow::EditSwatch);
    connect(picture_, &PalettePicture::colourPicked, this, &FavouriteColoursWindow::PickColour);

    selected_ = new QLabel(messages.Message(msg::kSelectedColor), this);
    selected_->setGeometry(4, 266, 336, 28);
    selected_->setAlignment(Qt::AlignCenter);
    selected_->setFont(DialogFont(12));
    selected_->setAutoFillBackground(true);
    ShowSelectedColour();

    file_ = new QPushButton(messages.Message(msg::kFile), this);
    file_->setGeometry(4, 300, 108, 28);
    file_->setEnabled(false);
    connect(file_, &QPushButton::clicked, this, &FavouriteColoursWindow::File);
    auto* getOut = new QPushButton(messages.Message(msg::kGetOut), this);
    getOut->setGeometry(118, 300, 108, 28);
    connect(getOut, &QPushButton::clicked, this, &FavouriteColoursWindow::GetOut);
    auto* reset = new QPushButton(messages.Message(msg::kReset), this);
    reset->setGeometry(232, 300, 108, 28);
    connect(reset, &QPushButton::clicked, this, &FavouriteColoursWindow::Reset);
    RememberFocus(this);
}

void FavouriteColoursWindow::EditSwatch(SwatchIndex index) {
    // The colour dialog runs its own event loop: a second click meanwhile is ignored.
    if (choosing_) return;
    choosing_ = true;
    const auto chosen = ui_.ChooseColour(kChooserStartColour);
    choosing_ = false;
    if (!chosen) return;
    palette_.at(index.column, index.row).colour = *chosen;
    modified_ = true;
    file_->setEnabled(true);
    picture_->update();
}

void FavouriteColoursWindow::PickColour(int32_t colour) {
    state_.capturedColour = colour;
    ShowSelectedColour();
}

void FavouriteColoursWindow::File() {
    if (!Save()) return;
    modified_ = false;
    file_->setEnabled(false);
    ui_.ShowMessage(
        MessageTable(state_.settings.currentLanguage).Message(msg::kMyFavoriteColorsFiled));
}

void FavouriteColoursWindow::GetOut() {
    // After a failed save the window stays open, so the changes are not lost unnoticed.
    if (modified_ &&
        ui_.AskYesNo(MessageTable(state_.settings.currentLanguage)
                         .Message(msg::kSaveChangesBeforeExiting)) &&
        !Save())
        return;
    accept();
}

void FavouriteColoursWindow::Reset() {
    const MessageTable messages(state_.settings.currentLanguage);
    if (!ui_.AskYesNo(messages.Message(msg::kResetReallyWant) + QStringLiteral("\r\n") +
                      messages.Message(msg::kAllFavoriteColorsWill)))
        return;
    DeletePaletteFile(path_);
    palette_ = DefaultPalette();
    picture_->update();
    PickColour(kDefaultSwatchColour);
}

void FavouriteColoursWindow::reject() {
    GetOut();
}

bool FavouriteColoursWindow::Save() {
    // The writer replaces the file only once the new one is complete, so the old palette
    // survives a failed save.
    const Status status = SavePalette(path_, palette_);
    if (!status.ok()) ui_.ShowMessage(QStringLiteral("Err: ") + status.detail);
    return status.ok();
}

void FavouriteColoursWindow::ShowSelectedColour() {
    QPalette colours = selected_->palette();
    if (state_.capturedColour >= 0) {
        colours.setColor(QPalette::Window, ColourFromBgr(state_.capturedColour));
        colours.setColor(QPalette::WindowText,
                         state_.capturedColour == 0 ? QColor(Qt::white) : QColor(Qt::black));
    }
    selected_->setPalette(colours);
}
