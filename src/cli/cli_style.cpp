// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_style.h"

#include "content/built_in_styles.h"
#include "content/style_file.h"

namespace {

// A name as a terminal may show it: control characters (which could move the cursor, change
// colours or split a line) and the backslash that starts an escape are written as escapes.
QString Printable(const QString& name) {
    QString shown;
    for (const QChar c : name) {
        if (c == u'\\')
            shown += QStringLiteral("\\\\");
        else if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QStringList PrintableNames(const std::vector<TableStyle>& styles) {
    QStringList names;
    for (const QString& name : StyleNames(styles))
        names.append(Printable(name));
    return names;
}

} // namespace

std::vector<TableStyle> KnownStyles(const QString& folder, QStringList& messages) {
    std::vector<TableStyle> styles = BuiltInStyles();
    if (folder.isEmpty()) return styles;
    const UserStyles user = LoadUserStyles(folder);
    for (const QString& damaged : user.damaged)
        messages.append(Printable(folder + u'/' + damaged) + QStringLiteral(", skipped"));
    for (const QString& file : user.builtInNamed)
        messages.append(Printable(folder + u'/' + file) +
                        QStringLiteral(": has a built-in style's name, skipped"));
    styles.insert(styles.end(), user.styles.begin(), user.styles.end());
    return styles;
}

std::optional<TableStyle> ChosenStyle(const QString& name, const QString& folder,
                                      QStringList& messages, QString& error) {
    const std::vector<TableStyle> styles = KnownStyles(folder, messages);
    if (const TableStyle* style = FindStyle(styles, name)) return *style;
    error = QStringLiteral("unknown style \"%1\"; the styles are: %2")
                .arg(Printable(name), PrintableNames(styles).join(QStringLiteral(", ")));
    return std::nullopt;
}

CliResult ListStyles(const QString& folder) {
    CliResult result;
    for (const QString& name : PrintableNames(KnownStyles(folder, result.messages)))
        result.out += name.toUtf8() + '\n';
    return result;
}
