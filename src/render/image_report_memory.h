// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>

struct Document;

// Which unreadable image files the user has been told about, so that the message is not
// repeated on every redraw (a prompt on each redraw would lock the user out). A path is
// reported once; it is forgotten when the cell that reported it shows another image or none.
// The caller keeps one across redraws.
class ImageReportMemory {
public:
    // Forgets the cells whose image has changed since they reported it.
    void ForgetChangedCells(const Document& document);
    // Whether a read error of `path` in cell (column, row) should reach the user now; the
    // answer is remembered.
    bool ShouldReport(int column, int row, const QString& path);

private:
    QHash<int, QString> reported_; // by column * grid capacity + row
};
