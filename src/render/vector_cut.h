// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

class Clock;
class ImageReportMemory;
class MessageSink;
class QIODevice;
struct Document;
struct RenderOptions;

enum class VectorFormat { None, Svg, Pdf };

// The vector format of a file by the lower-cased extension of its name: ".svg", ".pdf".
VectorFormat VectorFormatFor(const QString& fileName);

// Draws the table as vector shapes and text onto one page of `cut` (one unit a pixel of the
// plain picture: a point in PDF, a CSS pixel in SVG), with fonts embedded in the PDF and
// images at their own resolution, and writes it to `device`. The page colour fills the page
// unless `transparent`. An empty text on success, else the reason.
QString WriteVectorCut(QIODevice& device, VectorFormat format, QSize cut, bool transparent,
                       const Document& document, const RenderOptions& atExport,
                       MessageSink& messages, ImageReportMemory& reports);
