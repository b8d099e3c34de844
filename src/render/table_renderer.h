// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>

class Clock;
class DrawingSurface;
class ImageReportMemory;
class MessageSink;
class QImage;
struct Document;

// Where the window view draws the table; export uses other origins.
inline constexpr int kViewOrigin = 2;

struct RenderOptions {
    int originX = kViewOrigin;
    int originY = kViewOrigin;
    // The cells show their series commands: no series are evaluated.
    bool commandsView = false;
    // Decimal part of the number formats (BuildDecimalMask).
    QString decimalMask = QStringLiteral(".00");
    // The table-wide character-set code for every upright cell font.
    int16_t characterSet = 0;
    // Relative image and icon paths are looked up in this folder first (WorkFileFolder).
    QString workFileFolder;
    // Selected cells get a translucent tint and a frame; a picture for a file draws them as
    // if nothing were selected.
    bool showSelection = true;
    // A transparent background: fills of the page colour are left out, so the transparent
    // page shows through them; the cell-area outlines that belong to such fills with them.
    bool seeThroughPage = false;
    // The height of the picture's top part a view shows, when a lower window hides the rest:
    // no cell is laid out for the rows below it. 0 for the whole picture.
    int shownHeight = 0;
};

// Fills the whole picture with `colour`.
void ClearPicture(DrawingSurface& surface, QImage& picture, int32_t colour);

// The page frame and the two dotted red page marks, moved by `offset` (the view's scroll).
void DrawPageFrame(DrawingSurface& surface, QImage& picture, QPoint offset = {});

// What a drawing of the table shows, fixed in the document before it is drawn: the settling
// step (series as the options show them, the corner under both title bars cancelled,
// tableRetouched) and the drawn extent of the bottom-right cell at the options' origin, which
// the work file keeps.
void SettleForDrawing(Document& document, const RenderOptions& options, const Clock& clock);

// Draws a settled table: the cells row by row, then the horizontal and the vertical title
// bar. An image file that cannot be read is reported through `messages`, once, as `reports`
// remembers. The table is left as it is: drawing it twice gives the same picture.
void RenderTable(DrawingSurface& surface, QImage& picture, const Document& document,
                 const RenderOptions& options, MessageSink& messages, ImageReportMemory& reports);

// The drawn right and bottom edge of the bottom-right cell at this origin, as SettleForDrawing
// keeps it in the document but not held to 16 bits; drawing does not move cells, so it is
// known before drawing. False when the table has no cells.
bool DrawnTableExtent(const Document& document, int originX, int originY, int& right, int& bottom);

// SettleForDrawing at the view origin (2, 2), where the view draws the table unscrolled.
void SettleForView(Document& document, const RenderOptions& options, const Clock& clock);

// The view's picture of the page: cleared with the page colour, the page frame and the
// settled table at the view origin (2, 2), all moved by `scroll` (0 or negative), so that the
// picture shows the part of the page the view shows.
void RenderTableView(DrawingSurface& surface, QImage& tablePicture, const Document& document,
                     const RenderOptions& options, MessageSink& messages,
                     ImageReportMemory& reports, QPoint scroll);

// What every change to the table ends with, on the table picture: operations recomputed,
// SettleForView, then RenderTableView.
void RedrawTablePicture(DrawingSurface& surface, QImage& tablePicture, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports, QPoint scroll = {});

// A freshly created table (cell boxes and title-bar boxes, no text), drawn where the next
// redraw at the same origin puts it.
void DrawNewTable(DrawingSurface& surface, QImage& picture, const Document& document,
                  int originX = kViewOrigin, int originY = kViewOrigin);

// Copies the table picture into the view picture at the scroll offset (0 or negative).
void ShowView(DrawingSurface& surface, QImage& viewPicture, const QImage& tablePicture, int scrollX,
              int scrollY);
