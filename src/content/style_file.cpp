// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/style_file.h"

#include "content/built_in_styles.h"
#include "content/colour_text.h"
#include "model/file_problem.h"
#include "model/whole_file_write.h"
#include "model/xdg_folder.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace {

const QString kFormat = QStringLiteral("quadrivel-style");
constexpr int kVersion = 1;
// A style is a few hundred bytes; anything much larger is not one.
constexpr qint64 kLargestStyleFile = 64 * 1024;
const QString kStyleSuffix = QStringLiteral(".json");
// A UTF-16 unit takes at most 3 bytes in UTF-8: every name that is short enough gives a file
// name within the 255 bytes that Linux file systems allow.
static_assert(kStyleNameMaxLength * 3 + int(sizeof ".json") - 1 <= 255);

const struct {
    StyleLines lines;
    const char* text;
} kLineNames[] = {
    {StyleLines::Grid, "grid"}, {StyleLines::Rows, "rows"}, {StyleLines::Columns, "columns"}};

QJsonObject PartObject(const PartLook& look) {
    return {{QStringLiteral("fill"), ColourText(look.backColour)},
            {QStringLiteral("text"), ColourText(look.textColour)},
            {QStringLiteral("bold"), look.bold == 1},
            {QStringLiteral("italic"), look.italic == 1},
            {QStringLiteral("font"), look.fontName},
            {QStringLiteral("size"), look.fontSize},
            {QStringLiteral("alignment"), int(look.textAlignment)}};
}

std::optional<PartLook> PartFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const auto fill = ColourFromText(object.value(QStringLiteral("fill")).toString());
    const auto text = ColourFromText(object.value(QStringLiteral("text")).toString());
    const QJsonValue font = object.value(QStringLiteral("font"));
    const int size = object.value(QStringLiteral("size")).toInt(-1);
    const int alignment = object.value(QStringLiteral("alignment")).toInt();
    if (!fill || !text || !font.isString() || font.toString().size() > kFontNameBytes || size < 0 ||
        size > 999 || alignment < int(Alignment::Left) || alignment > int(Alignment::Justified))
        return std::nullopt;
    PartLook look;
    look.backColour = *fill;
    look.textColour = *text;
    look.bold = object.value(QStringLiteral("bold")).toBool() ? 1 : 0;
    look.italic = object.value(QStringLiteral("italic")).toBool() ? 1 : 0;
    look.fontName = font.toString();
    look.fontSize = int16_t(size);
    look.textAlignment = Alignment(alignment);
    return look;
}

// A part that may be left out: absent or null is "none", anything else must be a part.
bool OptionalPartFrom(const QJsonObject& object, const QString& key,
                      std::optional<PartLook>& part) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull()) return true;
    part = PartFrom(value);
    return part.has_value();
}

} // namespace

QString StylesFolderFrom(const QProcessEnvironment& environment) {
    return XdgProgramFolder(environment, QStringLiteral("XDG_DATA_HOME"),
                            QStringLiteral(".local/share"), QStringLiteral("styles"));
}

QByteArray StyleJson(const TableStyle& style) {
    QJsonObject object{{QStringLiteral("format"), kFormat},
                       {QStringLiteral("version"), kVersion},
                       {QStringLiteral("name"), style.name},
                       {QStringLiteral("oddRows"), PartObject(style.oddRows)},
                       {QStringLiteral("evenRows"), PartObject(style.evenRows)},
                       {QStringLiteral("lineColour"), ColourText(style.lineColour)},
                       {QStringLiteral("lineThickness"), style.lineThickness},
                       {QStringLiteral("titleBar"), style.titleBar},
                       {QStringLiteral("barBorder"), ColourText(style.barBorder)}};
    for (const auto& name : kLineNames) {
        if (name.lines == style.lines)
            object.insert(QStringLiteral("lines"), QString::fromLatin1(name.text));
    }
    if (style.header) object.insert(QStringLiteral("header"), PartObject(*style.header));
    if (style.firstColumn)
        object.insert(QStringLiteral("firstColumn"), PartObject(*style.firstColumn));
    if (style.lastRow) object.insert(QStringLiteral("lastRow"), PartObject(*style.lastRow));
    return QJsonDocument(object).toJson();
}

std::optional<TableStyle> StyleFromJson(const QByteArray& json) {
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError ||
        object.value(QStringLiteral("format")).toString() != kFormat ||
        object.value(QStringLiteral("version")).toInt() != kVersion)
        return std::nullopt;

    TableStyle style;
    style.name = object.value(QStringLiteral("name")).toString().trimmed();
    const auto odd = PartFrom(object.value(QStringLiteral("oddRows")));
    const auto even = PartFrom(object.value(QStringLiteral("evenRows")));
    const auto lineColour = ColourFromText(object.value(QStringLiteral("lineColour")).toString());
    const auto barBorder = ColourFromText(object.value(QStringLiteral("barBorder")).toString());
    const int thickness = object.value(QStringLiteral("lineThickness")).toInt();
    const QString lines = object.value(QStringLiteral("lines")).toString();
    bool linesKnown = false;
    for (const auto& name : kLineNames) {
        if (lines == QLatin1String(name.text)) {
            style.lines = name.lines;
            linesKnown = true;
        }
    }
    if (style.name.isEmpty() || style.name.size() > kStyleNameMaxLength || !odd || !even ||
        !lineColour || !barBorder || thickness < 1 || thickness > 5 || !linesKnown ||
        !OptionalPartFrom(object, QStringLiteral("header"), style.header) ||
        !OptionalPartFrom(object, QStringLiteral("firstColumn"), style.firstColumn) ||
        !OptionalPartFrom(object, QStringLiteral("lastRow"), style.lastRow))
        return std::nullopt;
    style.oddRows = *odd;
    style.evenRows = *even;
    style.lineColour = *lineColour;
    style.lineThickness = thickness;
    style.titleBar = object.value(QStringLiteral("titleBar")).toBool();
    style.barBorder = *barBorder;
    return style;
}

StyleNameProblem StyleNameProblemOf(const QString& name) {
    if (name.isEmpty() || name.size() > kStyleNameMaxLength) return StyleNameProblem::Length;
    if (name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\') ||
        std::any_of(name.begin(), name.end(),
                    [](QChar c) { return c.category() == QChar::Other_Control; }))
        return StyleNameProblem::FileName;
    if (IsBuiltInStyleName(name)) return StyleNameProblem::BuiltIn;
    return StyleNameProblem::None;
}

UserStyles LoadUserStyles(const QString& folder) {
    UserStyles found;
    const QDir dir(folder);
    // Hidden too: names with a leading dot were once saved as hidden files.
    const QStringList names =
        dir.entryList({QStringLiteral("*") + kStyleSuffix}, QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        // A link to a FIFO or a device is refused before anything waits on it or reads it.
        const OwnFileContent content = ReadOwnFile(path, kLargestStyleFile);
        const std::optional<TableStyle> style =
            content.problem.none() ? StyleFromJson(content.bytes) : std::nullopt;
        if (!style) {
            found.damaged.append(
                name + QStringLiteral(": ") +
                (content.problem.none() ? QStringLiteral("not a style") : content.problem.reason));
            continue;
        }
        if (IsBuiltInStyleName(style->name)) {
            found.builtInNamed.append(name);
            continue;
        }
        found.styles.push_back(*style);
        found.paths.append(path);
    }
    return found;
}

QString UserStylePath(const QString& folder, const QString& name) {
    return folder + u'/' + name + kStyleSuffix;
}

Status SaveUserStyle(const QString& folder, const TableStyle& style) {
    if (StyleNameProblemOf(style.name) != StyleNameProblem::None)
        return {StatusCode::WriteFailed,
                style.name + QStringLiteral(": not a possible style name")};
    if (!QDir().mkpath(folder))
        return {StatusCode::WriteFailed, folder + QStringLiteral(": the folder cannot be made")};
    return WriteWholeFile(UserStylePath(folder, style.name), StyleJson(style));
}
