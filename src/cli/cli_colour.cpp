// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_colour.h"

#include "cli/password_source.h"
#include "cli/work_file_change.h"
#include "content/colour_by_value.h"
#include "content/colour_text.h"
#include "content/table_extent.h"
#include "model/work_file.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

// "LOW,HIGH" or "LOW,MID,HIGH" as #RRGGBB, or the name of a built-in scale.
std::optional<ColourScale> ParseScale(const QString& text) {
    for (const BuiltInScale& builtIn : BuiltInScales())
        if (builtIn.name == text) return builtIn.scale;
    const QStringList parts = text.split(u',');
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    std::vector<int32_t> colours;
    for (const QString& part : parts) {
        const std::optional<int32_t> colour = ColourFromText(part);
        if (!colour) return std::nullopt;
        colours.push_back(*colour);
    }
    ColourScale scale{colours.front(), std::nullopt, colours.back(), {}};
    if (colours.size() == 3) scale.middle = colours[1];
    return scale;
}

QString ScaleNames() {
    QStringList names;
    for (const BuiltInScale& builtIn : BuiltInScales())
        names.append(builtIn.name);
    return names.join(QStringLiteral(", "));
}

struct ColourOptions {
    QString file;
    QString out;
    std::optional<CellRange> range;
    std::optional<ColourScale> scale;
    std::optional<ColourRule> rule;
    QString password;
    QString passwordFile;
};

// Fills `options`; an empty text when the arguments are valid, else the reason.
QString ParseColourArguments(const QStringList& arguments, const QString& usage,
                             ColourOptions& options) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const auto valued = [](const char* name, const char* value) {
        return QCommandLineOption(QString::fromLatin1(name), QString(), QString::fromLatin1(value));
    };
    const QCommandLineOption cells = valued("cells", "RANGE"), scale = valued("scale", "COLOURS"),
                             middle = valued("middle", "VALUE"), rule = valued("rule", "COND"),
                             fill = valued("fill", "COLOUR"), text = valued("text", "COLOUR"),
                             password = valued("password", "PW"),
                             passwordFile = valued("password-file", "FILE");
    const QCommandLineOption bold(QStringLiteral("bold"));
    parser.addOptions({cells, scale, middle, rule, fill, text, bold, password, passwordFile});
    if (!parser.parse(QStringList{QStringLiteral("quadrivel-cli")} + arguments))
        return parser.errorText();
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 3 || parser.isSet(scale) == parser.isSet(rule)) return usage;
    options.file = positional[1];
    options.out = positional[2];
    if (parser.isSet(cells)) {
        options.range = ParseCellRange(parser.value(cells));
        if (!options.range)
            return QStringLiteral("--cells needs C1:R1-C2:R2, columns and rows from 1 to 111");
    }
    if (parser.isSet(scale)) {
        if (parser.isSet(fill) || parser.isSet(text) || parser.isSet(bold))
            return QStringLiteral("--fill, --text and --bold belong to --rule");
        options.scale = ParseScale(parser.value(scale));
        if (!options.scale)
            return QStringLiteral("--scale needs LOW,HIGH or LOW,MID,HIGH as #RRGGBB, or one "
                                  "of: ") +
                   ScaleNames();
        if (parser.isSet(middle)) {
            options.scale->middleValue = ReadTypedNumber(parser.value(middle));
            if (!options.scale->middle || !options.scale->middleValue)
                return QStringLiteral("--middle needs a number and a scale of three colours");
        }
    } else {
        if (parser.isSet(middle)) return QStringLiteral("--middle belongs to --scale");
        options.rule = ParseRuleCondition(parser.value(rule));
        if (!options.rule) return QStringLiteral("--rule needs >N, <N, =N or A..B (A up to B)");
        const std::optional<int32_t> fillColour = ColourFromText(parser.value(fill));
        if (!fillColour) return QStringLiteral("--rule needs --fill #RRGGBB");
        options.rule->fill = *fillColour;
        if (parser.isSet(text)) {
            options.rule->text = ColourFromText(parser.value(text));
            if (!options.rule->text) return QStringLiteral("--text needs #RRGGBB");
        }
        options.rule->bold = parser.isSet(bold);
    }
    if (parser.isSet(password) && parser.isSet(passwordFile))
        return QStringLiteral("--password and --password-file exclude each other");
    options.password = parser.value(password);
    options.passwordFile = parser.value(passwordFile);
    return {};
}

} // namespace

std::optional<CellRange> ParseCellRange(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^([0-9]{1,3}):([0-9]{1,3})-([0-9]{1,3}):([0-9]{1,3})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        numbers[i] = match.captured(i + 1).toInt() - 1;
        if (numbers[i] < 0 || numbers[i] >= kGridCapacity) return std::nullopt;
    }
    return CellRange{std::min(numbers[0], numbers[2]), std::min(numbers[1], numbers[3]),
                     std::max(numbers[0], numbers[2]), std::max(numbers[1], numbers[3])};
}

std::optional<ColourRule> ParseRuleCondition(const QString& text) {
    ColourRule rule;
    if (const qsizetype dots = text.indexOf(QStringLiteral("..")); dots > 0) {
        const auto low = ReadTypedNumber(QStringView(text).first(dots));
        const auto high = ReadTypedNumber(QStringView(text).sliced(dots + 2));
        if (!low || !high || *low > *high) return std::nullopt;
        rule.comparison = RuleComparison::Between;
        rule.value = *low;
        rule.upper = *high;
        return rule;
    }
    static const std::pair<QChar, RuleComparison> kSigns[] = {{u'>', RuleComparison::Greater},
                                                              {u'<', RuleComparison::Less},
                                                              {u'=', RuleComparison::Equal}};
    for (const auto& [sign, comparison] : kSigns) {
        if (!text.startsWith(sign)) continue;
        const auto value = ReadTypedNumber(QStringView(text).sliced(1));
        if (!value) return std::nullopt;
        rule.comparison = comparison;
        rule.value = *value;
        return rule;
    }
    return std::nullopt;
}

CliResult RunColour(const QStringList& arguments, const QString& usage,
                    const QString& passwordVariable) {
    ColourOptions options;
    if (const QString wrong = ParseColourArguments(arguments, usage, options); !wrong.isEmpty())
        return Failure(kExitUsage, wrong == usage ? usage : wrong + u'\n' + usage);
    const PasswordRead password =
        ChosenPassword(options.password, options.passwordFile, passwordVariable);
    if (!password.problem.isEmpty()) return Failure(kExitInputUnreadable, password.problem);

    return ChangeWorkFile(options.file, options.out, password.password, [&](Document& document) {
        const CellRange range = options.range.value_or(TableBodyRange(document));
        const int coloured = options.scale ? ColourByScale(document, range, *options.scale)
                                           : ColourByRule(document, range, *options.rule);
        CliResult result;
        if (coloured == 0)
            result.messages.append(options.file +
                                   QStringLiteral(": no number cell of the range was coloured"));
        return result;
    });
}
