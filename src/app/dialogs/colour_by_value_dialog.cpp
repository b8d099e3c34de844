// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_by_value_dialog.h"

#include "app/dialogs/colour_by_value_preview.h"
#include "app/messages/message_table.h"
#include "content/leading_number.h"
#include "render/colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr size_t kPreviewCells = 8;
enum MiddleChoice { kNoMiddle, kAtMedian, kAtValue };

void ShowColour(QPushButton* button, int32_t colour) {
    QPixmap swatch(40, 16);
    swatch.fill(ColourFromBgr(colour));
    QPainter(&swatch).drawRect(0, 0, 39, 15);
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}

QPushButton* ColourButton(QWidget* parent, const char* name, int32_t colour) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    ShowColour(button, colour);
    return button;
}

// "Colour by value…" as a window title.
QString TitleOf(QString text) {
    if (text.endsWith(u'…')) text.chop(1);
    return text;
}

} // namespace

ColourByValueDialog::ColourByValueDialog(QWidget* parent, Ui& ui, const MessageTable& messages,
                                         std::vector<long double> numbers)
    : QDialog(parent), ui_(ui), messages_(messages), numbers_(std::move(numbers)) {
    setWindowTitle(TitleOf(messages.Message(kColourGroup, kColourByValueEntry)));
    const auto text = [&messages](int entry) { return messages.Message(kColourGroup, entry); };
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    scaleMode_ = named(new QRadioButton(text(kColourScaleEntry), this), "scaleMode");
    ruleMode_ = named(new QRadioButton(text(kColourRuleEntry), this), "ruleMode");
    scaleMode_->setChecked(true);

    // The scale: a built-in one or the user's own colours.
    auto* scaleBox = new QGroupBox(this);
    auto* scaleForm = new QFormLayout(scaleBox);
    scales_ = named(new QComboBox(scaleBox), "scales");
    for (size_t i = 0; i < BuiltInScales().size(); ++i)
        scales_->addItem(text(kFirstScaleNameEntry + int(i)));
    scales_->addItem(text(kCustomScaleEntry));
    scaleForm->addRow(scales_);
    const char* buttonNames[] = {"lowest", "middle", "highest"};
    for (size_t i = 0; i < scaleButtons_.size(); ++i) {
        scaleButtons_[i] = ColourButton(scaleBox, buttonNames[i], 0);
        scaleForm->addRow(text(kLowestEntry + int(i)), scaleButtons_[i]);
        connect(scaleButtons_[i], &QPushButton::clicked, this, [this, i] { PickScaleColour(i); });
    }
    middle_ = named(new QComboBox(scaleBox), "middleAt");
    middle_->addItems({text(kNoMiddleEntry), text(kAtMedianEntry), text(kAtValueEntry)});
    middleValue_ = named(new QLineEdit(scaleBox), "middleValue");
    auto* middleRow = new QHBoxLayout;
    middleRow->addWidget(middle_);
    middleRow->addWidget(middleValue_);
    scaleForm->addRow(middleRow);

    // The rule: a comparison and the look of the cells it holds for.
    auto* ruleBox = new QGroupBox(this);
    auto* ruleForm = new QFormLayout(ruleBox);
    comparison_ = named(new QComboBox(ruleBox), "comparison");
    for (int entry = kGreaterEntry; entry < kGreaterEntry + 4; ++entry)
        comparison_->addItem(text(entry));
    value_ = named(new QLineEdit(QStringLiteral("0"), ruleBox), "value");
    and_ = new QLabel(text(kAndEntry), ruleBox);
    upper_ = named(new QLineEdit(ruleBox), "upper");
    auto* comparisonRow = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{comparison_, value_, and_, upper_})
        comparisonRow->addWidget(widget);
    ruleForm->addRow(comparisonRow);
    fillButton_ = ColourButton(ruleBox, "fill", fill_);
    ruleForm->addRow(text(kFillEntry), fillButton_);
    readableText_ = named(new QCheckBox(text(kReadableTextEntry), ruleBox), "readableText");
    readableText_->setChecked(true);
    textButton_ = ColourButton(ruleBox, "textColour", textColour_);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(readableText_);
    textRow->addWidget(textButton_);
    ruleForm->addRow(text(kTextColourEntry), textRow);
    bold_ = named(new QCheckBox(messages.Message(msg::kBold), ruleBox), "bold");
    ruleForm->addRow(bold_);
    connect(fillButton_, &QPushButton::clicked, this,
            [this] { PickRuleColour(fillButton_, fill_); });
    connect(textButton_, &QPushButton::clicked, this,
            [this] { PickRuleColour(textButton_, textColour_); });

    preview_ = named(new ColourByValuePreview(this), "preview");
    count_ = named(new QLabel(this), "count");
    auto* buttons = new QDialogButtonBox(this);
    accept_ = buttons->addButton(messages.Message(msg::kAccept), QDialogButtonBox::AcceptRole);
    buttons->addButton(messages.Message(msg::kCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* widget : std::initializer_list<QWidget*>{scaleMode_, scaleBox, ruleMode_, ruleBox,
                                                           preview_, count_, buttons})
        layout->addWidget(widget);

    for (QRadioButton* mode : {scaleMode_, ruleMode_})
        connect(mode, &QRadioButton::toggled, this, &ColourByValueDialog::Update);
    connect(scales_, &QComboBox::activated, this, &ColourByValueDialog::ChooseBuiltInScale);
    for (QComboBox* box : {middle_, comparison_})
        connect(box, &QComboBox::currentIndexChanged, this, &ColourByValueDialog::Update);
    for (QLineEdit* edit : {middleValue_, value_, upper_})
        connect(edit, &QLineEdit::textChanged, this, &ColourByValueDialog::Update);
    for (QCheckBox* box : {readableText_, bold_})
        connect(box, &QCheckBox::toggled, this, &ColourByValueDialog::Update);
    ChooseBuiltInScale(0);
}

void ColourByValueDialog::ChooseBuiltInScale(int index) {
    if (index < 0 || size_t(index) >= BuiltInScales().size()) return Update();
    const ColourScale& scale = BuiltInScales()[size_t(index)].scale;
    scaleColours_ = {scale.low, scale.middle.value_or(scale.low), scale.high};
    for (size_t i = 0; i < scaleButtons_.size(); ++i)
        ShowColour(scaleButtons_[i], scaleColours_[i]);
    if (middle_->currentIndex() == kNoMiddle) middle_->setCurrentIndex(kAtMedian);
    Update();
}

void ColourByValueDialog::PickScaleColour(size_t which) {
    const std::optional<int32_t> chosen = ui_.ChooseColour(scaleColours_[which]);
    if (!chosen) return;
    scaleColours_[which] = *chosen;
    ShowColour(scaleButtons_[which], *chosen);
    scales_->setCurrentIndex(int(BuiltInScales().size())); // the user's own now
    Update();
}

void ColourByValueDialog::PickRuleColour(QPushButton* button, int32_t& colour) {
    const std::optional<int32_t> chosen = ui_.ChooseColour(colour);
    if (!chosen) return;
    colour = *chosen;
    ShowColour(button, colour);
    if (button == textButton_) readableText_->setChecked(false);
    Update();
}

std::optional<ColourByValueChoice> ColourByValueDialog::choice() const {
    if (scaleMode_->isChecked()) {
        ColourScale scale{scaleColours_[0], std::nullopt, scaleColours_[2], {}};
        if (middle_->currentIndex() != kNoMiddle) scale.middle = scaleColours_[1];
        if (middle_->currentIndex() == kAtValue) {
            scale.middleValue = ReadTypedNumber(middleValue_->text().trimmed());
            if (!scale.middleValue) return std::nullopt;
        }
        return scale;
    }
    ColourRule rule;
    rule.comparison = RuleComparison(comparison_->currentIndex());
    const std::optional<long double> value = ReadTypedNumber(value_->text().trimmed());
    if (!value) return std::nullopt;
    rule.value = *value;
    if (rule.comparison == RuleComparison::Between) {
        const std::optional<long double> upper = ReadTypedNumber(upper_->text().trimmed());
        if (!upper || *upper < *value) return std::nullopt;
        rule.upper = *upper;
    }
    rule.fill = fill_;
    if (!readableText_->isChecked()) rule.text = textColour_;
    rule.bold = bold_->isChecked();
    return rule;
}

void ColourByValueDialog::Update() {
    const bool scaleMode = scaleMode_->isChecked();
    scales_->parentWidget()->setEnabled(scaleMode);
    comparison_->parentWidget()->setEnabled(!scaleMode);
    scaleButtons_[1]->setEnabled(middle_->currentIndex() != kNoMiddle);
    middleValue_->setEnabled(middle_->currentIndex() == kAtValue);
    const bool between = comparison_->currentIndex() == int(RuleComparison::Between);
    and_->setVisible(between);
    upper_->setVisible(between);
    textButton_->setEnabled(!readableText_->isChecked());

    const std::optional<ColourByValueChoice> chosen = choice();
    accept_->setEnabled(chosen.has_value());
    std::vector<PreviewCell> cells;
    int coloured = 0;
    if (const auto* scale = chosen ? std::get_if<ColourScale>(&*chosen) : nullptr) {
        const ScaleStops stops = StopsFor(*scale, numbers_);
        for (const long double number : PreviewSamples(numbers_, kPreviewCells)) {
            const int32_t fill = ScaleColour(*scale, stops, number);
            cells.push_back({WriteNumber(number), fill, ReadableTextColour(fill), false});
        }
        coloured = int(numbers_.size());
    } else if (const auto* rule = chosen ? std::get_if<ColourRule>(&*chosen) : nullptr) {
        for (const long double number : PreviewSamples(numbers_, kPreviewCells)) {
            PreviewCell cell{WriteNumber(number)};
            if (RuleHolds(*rule, number))
                cell = {cell.text, rule->fill, rule->text.value_or(ReadableTextColour(rule->fill)),
                        rule->bold};
            cells.push_back(cell);
        }
        coloured = int(std::count_if(numbers_.begin(), numbers_.end(), [rule](long double number) {
            return RuleHolds(*rule, number);
        }));
    }
    preview_->Show(std::move(cells));
    count_->setText(messages_.Message(kColourGroup, kCellsColouredEntry) +
                    QString::number(coloured));
}
