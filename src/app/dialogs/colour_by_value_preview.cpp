// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/colour_by_value_preview.h"

#include "render/colour.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kCellHeight = 28;

} // namespace

ColourByValuePreview::ColourByValuePreview(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, kCellHeight + 2);
}

void ColourByValuePreview::Show(std::vector<PreviewCell> cells) {
    cells_ = std::move(cells);
    update();
}

void ColourByValuePreview::paintEvent(QPaintEvent*) {
    if (cells_.empty()) return;
    QPainter painter(this);
    const int width = (this->width() - 1) / int(cells_.size());
    for (size_t i = 0; i < cells_.size(); ++i) {
        const PreviewCell& cell = cells_[i];
        const QRect box(int(i) * width, 0, width, kCellHeight);
        painter.fillRect(box, ColourFromBgr(cell.fill));
        painter.setPen(Qt::gray);
        painter.drawRect(box);
        QFont font = painter.font();
        font.setBold(cell.bold);
        painter.setFont(font);
        painter.setPen(ColourFromBgr(cell.textColour));
        painter.drawText(box, Qt::AlignCenter, cell.text);
    }
}

std::vector<long double> PreviewSamples(std::vector<long double> numbers, size_t count) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    if (numbers.size() <= count || count < 2) return numbers;
    std::vector<long double> samples;
    for (size_t i = 0; i < count; ++i)
        samples.push_back(numbers[i * (numbers.size() - 1) / (count - 1)]);
    return samples;
}
