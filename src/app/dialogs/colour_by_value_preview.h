// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

// One sample cell of the preview: a number as it will look.
struct PreviewCell {
    QString text;
    int32_t fill = 0xFFFFFF;
    int32_t textColour = 0;
    bool bold = false;
};

// A row of sample cells, from the lowest of the numbers to the highest, painted as Colour by
// value would paint them.
class ColourByValuePreview : public QWidget {
    Q_OBJECT

public:
    explicit ColourByValuePreview(QWidget* parent);
    void Show(std::vector<PreviewCell> cells);
    const std::vector<PreviewCell>& cells() const { return cells_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<PreviewCell> cells_;
};

// At most `count` of the numbers, evenly spread from the lowest to the highest.
std::vector<long double> PreviewSamples(std::vector<long double> numbers, size_t count);
