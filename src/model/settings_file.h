// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/file_problem.h"
#include "model/status.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

// What a paste copies, in the order of the keys of the "Config Copia" section.
enum class CopyFlag {
    BackColour,     // "Colfondo"
    TextColour,     // "Colfuente"
    FontName,       // "Fuente"
    FontSize,       // "Tamaño"
    Bold,           // "Negrita"
    Italic,         // "Italica"
    Underline,      // "Subrayado"
    Strikeout,      // "Tachado"
    Leading,        // "Leading"
    Text,           // "Texto"
    Image,          // "Imagen"
    Icon,           // "Icono"
    Alignment,      // "Alineacion"
    NumberFormat,   // "Tipo Numero"
    NumericAllowed, // "Permite Numero"
    Summation,      // "Sumatorios"
    Subtraction,    // "Resta"
    Percentage,     // "Porcentaje"
    Multiplication, // "Multiplicacion"
    Division,       // "Division"
};
inline constexpr int kCopyFlagCount = 20;

// What a left click on a cell of the table does, as the settings file numbers it.
enum class LeftMouseMode : int32_t {
    SelectCells = 1,
    EditCell = 2,
    InsertImage = 3,
    InsertIcon = 4
};

// The preferences that outlive a table, with the values a missing key stands for.
struct ProgramSettings {
    int16_t decimalPlaces = 2;
    int16_t characterSet = 0;
    int32_t rulerKind = 1;
    int32_t currentLanguage = 1;
    // What a left click on the table does; kept so that it outlives a restart. A hand-edited
    // file may hold any number here: the editor falls back to selecting.
    LeftMouseMode leftMouseMode = LeftMouseMode::SelectCells;
    // 1 = on, anything else = off.
    std::array<int32_t, kCopyFlagCount> copyFlags = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                     1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

    // The picture export's choices (section "Exportar"): the scale 1 to 4 ("Escala") and
    // whether the page colour is left transparent ("Transparente", 1 = on).
    int32_t exportScale = 1;
    int32_t exportTransparent = 0;

    int32_t& copyFlag(CopyFlag flag) { return copyFlags[size_t(flag)]; }
    int32_t copyFlag(CopyFlag flag) const { return copyFlags[size_t(flag)]; }
    bool copies(CopyFlag flag) const { return copyFlag(flag) == 1; }

    bool operator==(const ProgramSettings&) const = default;
};

// Tells whether the program may create files in a folder.
using FolderWritable = std::function<bool(const QString& folder)>;
bool IsFolderWritable(const QString& folder);

// The folder of the program's own files (the settings and the favourite palette): the
// program's folder, or, when the program may not write there (an installed program),
// $XDG_CONFIG_HOME/quadrivel, by default ~/.config/quadrivel. The same folder serves for
// reading and writing.
QString SettingsFolder(const QString& programFolder, const QProcessEnvironment& environment,
                       const FolderWritable& writable = IsFolderWritable);
QString SettingsFilePath(const QString& folder);

// The warning for one of the program's own files that was not read; empty when it was read
// or is missing.
QString OwnFileWarning(const QString& path, const FileProblem& problem);

// Writes one of the program's own files (settings, palette) in that folder: creates the
// folder when needed, and the old file stays whole until the new one is complete.
Status WriteOwnFile(const QString& path, const QByteArray& bytes);

// A missing file or key gives the default; a value is read as a Windows atoi would read it.
// A file that is not read (not a regular file, larger than 1 MB, unreadable) gives the
// defaults and a warning that names it and says why; a missing file is no warning.
ProgramSettings LoadSettings(const QString& path, QString* warning = nullptr);
ProgramSettings ReadSettings(const QByteArray& bytes);

// Writes all 25 keys in their order, then the export's two, as a Windows private-profile writer
// lays them out (Windows-1252, CRLF), through WriteOwnFile.
Status SaveSettings(const QString& path, const ProgramSettings& settings);
QByteArray SettingsBytes(const ProgramSettings& settings);
