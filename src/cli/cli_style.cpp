#include "cli/cli_style.h"

#include "content/built_in_styles.h"
#include "content/style_file.h"

std::vector<TableStyle> KnownStyles(const QString& folder, QStringList& messages) {
    std::vector<TableStyle> styles = BuiltInStyles();
    if (folder.isEmpty()) return styles;
    const UserStyles user = LoadUserStyles(folder);
    for (const QString& damaged : user.damaged)
        messages.append(folder + u'/' + damaged + QStringLiteral(", skipped"));
    styles.insert(styles.end(), user.styles.begin(), user.styles.end());
    return styles;
}

std::optional<TableStyle> ChosenStyle(const QString& name, const QString& folder,
                                      QStringList& messages, QString& error) {
    const std::vector<TableStyle> styles = KnownStyles(folder, messages);
    if (const TableStyle* style = FindStyle(styles, name)) return *style;
    error = QStringLiteral("unknown style \"%1\"; the styles are: %2")
                .arg(name, StyleNames(styles).join(QStringLiteral(", ")));
    return std::nullopt;
}

CliResult ListStyles(const QString& folder) {
    CliResult result;
    for (const QString& name : StyleNames(KnownStyles(folder, result.messages)))
        result.out += name.toUtf8() + '\n';
    return result;
}
