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

struct UserStyles {
    std::vector<TableStyle> styles; // by file name
    QStringList paths;              // the file of each style
    QStringList damaged;            // "name: reason" of each file that holds no style
};
// The styles of the folder; a missing folder holds none.
UserStyles LoadUserStyles(const QString& folder);

// The style's file in the folder, made from its name.
QString UserStylePath(const QString& folder, const QString& name);
// Writes the style's file whole, making the folder when needed.
Status SaveUserStyle(const QString& folder, const TableStyle& style);

QByteArray StyleJson(const TableStyle& style);
// Nothing when the text is not a style of this program.
std::optional<TableStyle> StyleFromJson(const QByteArray& json);
