// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/settings_file.h"

#include "model/whole_file_write.h"
#include "model/windows1252.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr char16_t kGeneral[] = u"General";
constexpr char16_t kCopySection[] = u"Config Copia";
constexpr char16_t kExportSection[] = u"Exportar";
constexpr char16_t kExportScaleKey[] = u"Escala";
constexpr char16_t kExportTransparentKey[] = u"Transparente";

constexpr const char16_t* kCopyKeys[kCopyFlagCount] = {
    u"Colfondo",   u"Colfuente", u"Fuente",     u"Tamaño",         u"Negrita",
    u"Italica",    u"Subrayado", u"Tachado",    u"Leading",        u"Texto",
    u"Imagen",     u"Icono",     u"Alineacion", u"Tipo Numero",    u"Permite Numero",
    u"Sumatorios", u"Resta",     u"Porcentaje", u"Multiplicacion", u"Division",
};

struct ProfileValue {
    QString section;
    QString key;
    QString value;
};

// A profile reader ignores what it does not know: lines before the first section, lines
// without "=", unknown sections and keys. Blanks around names and values do not count, a
// value in matching quotes loses them, and names match without regard to case.
std::vector<ProfileValue> ParseProfile(const QByteArray& bytes) {
    std::vector<ProfileValue> values;
    std::optional<QString> section;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r')) line.chop(1);
        // A file edited with a UTF-8 editor still finds "Tamaño".
        const QString text = DecodeByteField(line).trimmed();
        if (text.startsWith(u'[')) {
            const qsizetype close = text.lastIndexOf(u']');
            if (close > 0) section = text.mid(1, close - 1).trimmed();
            continue;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (!section || equals < 0) continue;
        QString value = text.mid(equals + 1).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
            value.back() == value.front())
            value = value.mid(1, value.size() - 2);
        values.push_back({*section, text.left(equals).trimmed(), value});
    }
    return values;
}

std::optional<QString> Find(const std::vector<ProfileValue>& values, QStringView section,
                            QStringView key) {
    for (const ProfileValue& v : values) {
        if (v.section.compare(section, Qt::CaseInsensitive) == 0 &&
            v.key.compare(key, Qt::CaseInsensitive) == 0)
            return v.value;
    }
    return std::nullopt;
}

// atoi as the Windows runtime has it: blanks, an optional sign, then digits; no digits
// give 0 and a value beyond the int range stops at its end.
int32_t LenientInt(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    int64_t magnitude = 0;
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i].unicode() - u'0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

int32_t ReadInt(const std::vector<ProfileValue>& values, QStringView section, QStringView key,
                int32_t fallback) {
    const std::optional<QString> text = Find(values, section, key);
    return text ? LenientInt(*text) : fallback;
}

void AppendLine(QByteArray& bytes, const QString& text) {
    bytes.append(EncodeWindows1252(text));
    bytes.append("\r\n");
}

void AppendKey(QByteArray& bytes, const QString& key, int32_t value) {
    AppendLine(bytes, key + u'=' + QString::number(value));
}

} // namespace

bool IsFolderWritable(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString SettingsFolder(const QString& programFolder, const QProcessEnvironment& environment,
                       const FolderWritable& writable) {
    if (writable(programFolder)) return programFolder;
    QString configHome = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    // The base directory rules ignore a relative XDG_CONFIG_HOME.
    if (!QDir::isAbsolutePath(configHome)) {
        const QString home = environment.value(QStringLiteral("HOME"));
        if (!QDir::isAbsolutePath(home)) return programFolder;
        configHome = home + QStringLiteral("/.config");
    }
    return QDir::cleanPath(configHome + QStringLiteral("/quadrivel"));
}

QString SettingsFilePath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Quadrivel.ini"));
}

ProgramSettings ReadSettings(const QByteArray& bytes) {
    const std::vector<ProfileValue> values = ParseProfile(bytes);
    const ProgramSettings defaults;
    ProgramSettings settings;
    // The two 16-bit settings keep the low 16 bits of what was read.
    settings.decimalPlaces =
        int16_t(ReadInt(values, kGeneral, u"decimales", defaults.decimalPlaces));
    settings.characterSet =
        int16_t(ReadInt(values, kGeneral, u"caracteres", defaults.characterSet));
    settings.rulerKind = ReadInt(values, kGeneral, u"Regleta", defaults.rulerKind);
    settings.currentLanguage = ReadInt(values, kGeneral, u"Idioma", defaults.currentLanguage);
    settings.leftMouseMode = LeftMouseMode(
        ReadInt(values, kGeneral, u"RatonIzquierdo", int32_t(defaults.leftMouseMode)));
    for (int i = 0; i < kCopyFlagCount; ++i) {
        settings.copyFlags[size_t(i)] =
            ReadInt(values, kCopySection, kCopyKeys[i], defaults.copyFlags[size_t(i)]);
    }
    settings.exportScale = ReadInt(values, kExportSection, kExportScaleKey, defaults.exportScale);
    settings.exportTransparent =
        ReadInt(values, kExportSection, kExportTransparentKey, defaults.exportTransparent);
    return settings;
}

ProgramSettings LoadSettings(const QString& path, QString* warning) {
    const OwnFileContent content = ReadOwnFile(path);
    if (warning) *warning = OwnFileWarning(path, content.problem);
    return content.problem.none() ? ReadSettings(content.bytes) : ProgramSettings();
}

QString OwnFileWarning(const QString& path, const FileProblem& problem) {
    return problem.none() || problem.missing ? QString()
                                             : path + QStringLiteral(": ") + problem.reason;
}

QByteArray SettingsBytes(const ProgramSettings& settings) {
    QByteArray bytes;
    AppendLine(bytes, u'[' + QStringView(kGeneral).toString() + u']');
    AppendKey(bytes, QStringLiteral("decimales"), settings.decimalPlaces);
    AppendKey(bytes, QStringLiteral("caracteres"), settings.characterSet);
    AppendKey(bytes, QStringLiteral("Regleta"), settings.rulerKind);
    AppendKey(bytes, QStringLiteral("Idioma"), settings.currentLanguage);
    AppendKey(bytes, QStringLiteral("RatonIzquierdo"), int32_t(settings.leftMouseMode));
    AppendLine(bytes, u'[' + QStringView(kCopySection).toString() + u']');
    for (int i = 0; i < kCopyFlagCount; ++i)
        AppendKey(bytes, QStringView(kCopyKeys[i]).toString(), settings.copyFlags[size_t(i)]);
    AppendLine(bytes, u'[' + QStringView(kExportSection).toString() + u']');
    AppendKey(bytes, QStringView(kExportScaleKey).toString(), settings.exportScale);
    AppendKey(bytes, QStringView(kExportTransparentKey).toString(), settings.exportTransparent);
    return bytes;
}

Status WriteOwnFile(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {StatusCode::WriteFailed, path + QStringLiteral(": cannot create ") + folder};
    return WriteWholeFile(path, bytes);
}

Status SaveSettings(const QString& path, const ProgramSettings& settings) {
    return WriteOwnFile(path, SettingsBytes(settings));
}
