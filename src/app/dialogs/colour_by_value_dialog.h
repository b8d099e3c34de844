// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogs/ui.h"
#include "app/messages/message_table.h"

#include <QDialog>
#include <array>
#include <optional>
#include <vector>

class ColourByValuePreview;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// Colour by value: a scale (a built-in one or three colours of the user's, the middle colour
// left out, at the median or at a value) or a rule (a comparison with one or two values, a
// fill, a text colour, bold). Sample cells of the numbers show the result as it is chosen.
class ColourByValueDialog : public QDialog {
    Q_OBJECT

public:
    ColourByValueDialog(QWidget* parent, Ui& ui, const MessageTable& messages,
                        std::vector<long double> numbers);

    // What the controls describe; nothing while a typed number does not read as one.
    std::optional<ColourByValueChoice> choice() const;

private:
    void ChooseBuiltInScale(int index);
    void PickScaleColour(size_t which);
    void PickRuleColour(QPushButton* button, int32_t& colour);
    // The preview, the count, the controls that apply and the Accept button, after any change.
    void Update();

    Ui& ui_;
    MessageTable messages_;
    std::vector<long double> numbers_;
    QRadioButton* scaleMode_;
    QRadioButton* ruleMode_;
    QComboBox* scales_;
    std::array<int32_t, 3> scaleColours_{}; // lowest, middle, highest
    std::array<QPushButton*, 3> scaleButtons_{};
    QComboBox* middle_;
    QLineEdit* middleValue_;
    QComboBox* comparison_;
    QLineEdit* value_;
    QLabel* and_;
    QLineEdit* upper_;
    int32_t fill_ = 0xFFFFFF;
    int32_t textColour_ = 0;
    QPushButton* fillButton_;
    QCheckBox* readableText_;
    QPushButton* textButton_;
    QCheckBox* bold_;
    ColourByValuePreview* preview_;
    QLabel* count_;
    QPushButton* accept_;
};
