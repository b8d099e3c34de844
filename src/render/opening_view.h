// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

class Clock;
class MessageSink;
struct Document;

// The 1122 x 1122 table picture exactly as the main window shows it right after opening the
// work file just loaded into `document`: the operations recomputed, then the window's
// redraw (page, frame, marks, the table at origin 2, 2, series evaluated). The document is
// left as the window holds it then.
QImage RenderOpeningView(Document& document, const QString& decimalMask, int16_t characterSet,
                         const Clock& clock, MessageSink& messages);
