// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/settings_file.h"

#include <QString>
#include <cstdint>

// What the dialogs share with the editor: the preferences, where files go, the colour captured
// from the screen.
struct ProgramState {
    // language, ruler kind, character set, decimals, left mouse mode, copy flags
    ProgramSettings settings;
    QString settingsPath; // where the settings are saved
    QString programFolder;
    QString lastFolder;   // where the export dialogs start
    QString stylesFolder; // the user's own table styles; empty: none
    QString decimalMask = QStringLiteral(".00");
    int32_t capturedColour = -1; // -1: none captured yet
};
