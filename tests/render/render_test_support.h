// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/document.h"
#include "render/message_sink.h"
#include "render/qt_drawing_surface.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <ostream>
#include <vector>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Colour of a picture's pixel as a table colour (0x00BBGGRR).
int32_t PixelAt(const QImage& picture, int x, int y);

// Keeps every message instead of showing it.
class RecordingSink final : public MessageSink {
public:
    void ShowMessage(const QString& text) override { messages.append(text); }
    QStringList messages;
};

// A new table as the New Table dialog makes it, with the given cell size and settings.
Document MakeTable(int columns, int rows, int cellWidth, int cellHeight, int separator = 0,
                   int thickness = 1);

// A fresh directory for files a test writes, removed with the test program's temp folder.
QString TestFilePath(const QString& name);

// The real surface behind a seam: every operation goes to a QtDrawingSurface, and a test
// double overrides what it wants to watch.
class ForwardingSurface : public DrawingSurface {
public:
    void SelectTarget(QImage& picture) override { real_.SelectTarget(picture); }
    void ReleaseTarget() override { real_.ReleaseTarget(); }
    void FillTarget(int32_t colour) override { real_.FillTarget(colour); }
    void SetPenWidth(int width) override { real_.SetPenWidth(width); }
    void SetPenStyle(PenStyle style) override { real_.SetPenStyle(style); }
    void DrawLine(double x1, double y1, double x2, double y2, int32_t colour) override {
        real_.DrawLine(x1, y1, x2, y2, colour);
    }
    void DrawBox(double x1, double y1, double x2, double y2, int32_t outline,
                 BoxFill fill) override {
        real_.DrawBox(x1, y1, x2, y2, outline, fill);
    }
    void CopyPicture(const QImage& source, double x, double y) override {
        real_.CopyPicture(source, x, y);
    }
    void DrawIcon(const QImage& icon, double x, double y) override { real_.DrawIcon(icon, x, y); }
    void SelectFont(const CellFont& font) override { real_.SelectFont(font); }
    void SetTextColour(int32_t colour) override { real_.SetTextColour(colour); }
    void DrawText(double x, double y, const QString& text) override { real_.DrawText(x, y, text); }
    TextExtent MeasureText(const QString& text) const override { return real_.MeasureText(text); }
    int FitCharacters(const QString& text, int width) const override {
        return real_.FitCharacters(text, width);
    }
    void SetTextJustification(int extra, int breakCount) override {
        real_.SetTextJustification(extra, breakCount);
    }
    int LineHeight() const override { return real_.LineHeight(); }

private:
    QtDrawingSurface real_;
};

// The real surface, with a record of every line of text drawn on it.
class RecordingSurface final : public ForwardingSurface {
public:
    struct Text {
        double x = 0;
        double y = 0;
        QString text;
        bool rotated = false;
    };
    std::vector<Text> texts;

    void SelectFont(const CellFont& font) override {
        rotated_ = font.rotated;
        ForwardingSurface::SelectFont(font);
    }
    void DrawText(double x, double y, const QString& text) override {
        texts.push_back({x, y, text, rotated_});
        ForwardingSurface::DrawText(x, y, text);
    }

    // The texts drawn, in order.
    QStringList DrawnTexts() const {
        QStringList all;
        for (const Text& t : texts)
            all.append(t.text);
        return all;
    }

private:
    bool rotated_ = false;
};

// An .ico file holding one PNG-coded image per entry.
QByteArray IconFileBytes(const std::vector<QImage>& images);
// Writes bytes to a test file and returns its path.
QString WriteTestFile(const QString& name, const QByteArray& bytes);
// Saves an image as a test file (format by the name's extension) and returns its path.
QString SaveTestImage(const QString& name, const QImage& image);
