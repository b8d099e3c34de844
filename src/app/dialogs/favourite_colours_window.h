// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/favourite_palette.h"

#include <QDialog>
#include <QString>

struct ProgramState;
class PalettePicture;
class QLabel;
class QPushButton;
class Ui;

// The 130 favourite colours: a left click edits a swatch, a right click picks a colour as the
// captured colour, "File" saves the palette, "Reset" brings back the white palette.
class FavouriteColoursWindow : public QDialog {
    Q_OBJECT

public:
    // palettePath is the palette file ("Mis Colores.log" in the program's own folder).
    FavouriteColoursWindow(QWidget* parent, Ui& ui, ProgramState& state,
                           const QString& palettePath);

    const FavouritePalette& palette() const { return palette_; }
    bool modified() const { return modified_; }

    void EditSwatch(SwatchIndex index);
    void PickColour(int32_t colour);
    void File();
    void GetOut();
    void Reset();

protected:
    // Escape and the close button leave the way "Get out" does, so changes are not lost
    // without the question.
    void reject() override;

private:
    bool Save();
    void ShowSelectedColour();

    Ui& ui_;
    ProgramState& state_;
    QString path_;
    FavouritePalette palette_;
    bool modified_ = false;
    bool choosing_ = false;
    PalettePicture* picture_;
    QLabel* selected_;
    QPushButton* file_;
};
