// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/status.h"
#include "render/picture_encoders.h"

#include <QString>

class Clock;
class DrawingSurface;
class ImageReportMemory;
class MessageSink;
class QImage;
struct Document;
struct RenderOptions;

// "Export to cut JPEG" writes with the encoder its file name's extension chooses; "Bitmap
// Export to cut" writes a 24-bit BMP.
enum class ExportKind { Jpeg, Bitmap };

// Where the export draws the table and how much it adds to the drawn extent, so that the outer
// half of a thick grid line is neither cut nor padded.
struct ExportFrame {
    int origin = 0; // for x and y
    int extra = 0;  // added to the extent in both directions
};

// The frame for a line thickness; a thickness outside 1..5 takes the frame of thickness 1.
ExportFrame ExportFrameFor(int lineThickness, ExportKind kind);

inline constexpr int kMaxExportScale = 4;

// How the cut is drawn beyond the plain picture: every length multiplied by `scale` (1 to 4),
// and the background left transparent: the page colour and every cell or title-bar fill of
// that same colour; other fills, lines, text and images stay opaque.
struct ExportLook {
    int scale = 1;
    bool transparent = false;

    bool operator==(const ExportLook&) const = default;
};

// Whether the file the export writes for `fileName` can keep transparent pixels: PNG, WebP,
// SVG and PDF of the Jpeg kind; the bitmap writer never can.
bool TransparencyPossible(ExportKind kind, const QString& fileName);

// The picture the export writes: the operations recomputed, the table drawn (series
// evaluated unless the options show commands) at the export origin on a table picture of its
// own, without page frame, marks or selection, and cut to the whole drawn extent plus the
// frame's extra, all at the look's scale (the caller checks RasterCutProblem first). The document
// keeps what drawing leaves in it, as after a redraw. A null picture when the table has no extent.
// A scaled look draws on a surface of its own.
QImage RenderCutPicture(ExportKind kind, DrawingSurface& surface, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports, const ExportLook& look = {});

// What the export writes for `fileName`: for the Jpeg kind an ".svg" or ".pdf" name gets the
// table as vector shapes and text, one page of the cut extent (drawn while writing), any other
// name the cut picture through the encoder its extension chooses; the Bitmap kind a 24-bit
// BMP. A failed status for an empty name, a table without extent, an unknown extension, a
// missing encoder, transparency the format cannot keep, or a raster picture larger than its
// encoder takes (RasterCutProblem), found before anything is drawn.
EncoderChoice CutWriter(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                        Document& document, const RenderOptions& options, const Clock& clock,
                        MessageSink& messages, ImageReportMemory& reports,
                        const ExportLook& look = {});

// Why the raster cut of the table at the look's scale cannot be held in a picture of
// `mimeType`: its size passes what that encoder takes on a side, or 2^30 pixels. Empty when
// it fits.
QString RasterCutProblem(ExportKind kind, const QString& mimeType, const Document& document,
                         const ExportLook& look);

// Whether the CutWriter's writer for `fileName` draws from the document while it writes (the
// vector formats); every other writer holds all it needs, and the document may go.
bool WriterDrawsFromDocument(ExportKind kind, const QString& fileName);

// Writes the CutWriter's file. The window's pictures are not touched and the surface is left
// without a target. A failure (the CutWriter's, or any write, flush or close) leaves the
// older file of that name as it was and returns a status whose detail names the file and the
// reason.
Status ExportCut(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                 Document& document, const RenderOptions& options, const Clock& clock,
                 MessageSink& messages, ImageReportMemory& reports, const ExportLook& look = {});
