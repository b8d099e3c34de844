// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/table_style.h"
#include "model/status.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The user's own styles: one JSON file per style in one folder.

// $XDG_DATA_HOME/quadrivel/styles, or ~/.local/share/quadrivel/styles.
QString StylesFolderFrom(const QProcessEnvironment& environment);

// The longest name a user style may have.
inline constexpr int kStyleNameMaxLength = 40;

// What keeps a name from being a user style's: its length, being no possible file name (a
// leading dot would hide the file; a separator or a control character), or a built-in's name.
enum class StyleNameProblem { None, Length, FileName, BuiltIn };
StyleNameProblem StyleNameProblemOf(const QString& name);

struct UserStyles {
    std::vector<TableStyle> styles; // by file name
    QStringList paths;              // the file of each style
    QStringList damaged;            // "name: reason" of each file that holds no style
    QStringList builtInNamed;       // names of the files whose style has a built-in's name
};
// The styles of the folder, hidden files included; a missing folder holds none. A style with a
// built-in's name is skipped: the built-in one keeps it.
UserStyles LoadUserStyles(const QString& folder);

// The style's file in the folder: its name is the file's.
QString UserStylePath(const QString& folder, const QString& name);
// Writes the style's file whole, making the folder when needed; a name with a problem is
// refused.
Status SaveUserStyle(const QString& folder, const TableStyle& style);

QByteArray StyleJson(const TableStyle& style);
// Nothing when the text is not a style of this program.
std::optional<TableStyle> StyleFromJson(const QByteArray& json);
