#pragma once

#include "model/status.h"

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

// The picture the export writes: the operations recomputed, the table drawn (series
// evaluated unless the options show commands) at the export origin on a table picture of its
// own, without page frame, marks or selection, and cut to the drawn extent plus the frame's extra,
// within the table picture. The document keeps what drawing leaves in it, as after a redraw.
// A null picture when the table has no extent.
QImage RenderCutPicture(ExportKind kind, DrawingSurface& surface, Document& document,
                        const RenderOptions& options, const Clock& clock, MessageSink& messages,
                        ImageReportMemory& reports);

// Renders the cut picture and writes it to `fileName`: the Jpeg kind through
// SavePictureAsImage, the Bitmap kind as a 24-bit BMP. The window's pictures are not touched
// and the surface is left without a target. A failure (empty name, unknown extension,
// missing encoder, write error) leaves no file and returns a status whose detail names the
// file and the reason.
Status ExportCut(ExportKind kind, const QString& fileName, DrawingSurface& surface,
                 Document& document, const RenderOptions& options, const Clock& clock,
                 MessageSink& messages, ImageReportMemory& reports);
