// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/cell_text_preview.h"

#include "model/cell_record.h"
#include "render/cell_font.h"
#include "render/colour.h"

#include <QPainter>

CellTextPreview::CellTextPreview(const QString& sample, int16_t characterSet, QWidget* parent)
    : QFrame(parent), sample_(sample), characterSet_(characterSet) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void CellTextPreview::setLook(const CellLook& look) {
    look_ = look;
    update();
}

void CellTextPreview::paintEvent(QPaintEvent* event) {
    // The font is made the way the table makes a cell's font, so the preview matches.
    CellRecord cell;
    cell.fontName = look_.face;
    cell.fontSize = look_.size;
    cell.bold = look_.bold;
    cell.italic = look_.italic;
    cell.underline = look_.underline;
    cell.strikeout = look_.strikeout;
    cell.leading = look_.leading;
    cell.alignment = Alignment::Left;

    QPainter painter(this);
    const QRect inside = contentsRect();
    // An image cell's background marker shows as white.
    painter.fillRect(inside,
                     look_.background >= 0 ? ColourFromBgr(look_.background) : QColor(Qt::white));
    painter.setFont(MakeCellFont(cell, characterSet_, FontTurn::Upright).font);
    painter.setPen(ColourFromBgr(look_.textColour));
    painter.setClipRect(inside);
    painter.drawText(inside.adjusted(4, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, sample_);
    painter.end();
    QFrame::paintEvent(event);
}
