// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

enum class CommandId : int;

// How the in-place editor looks over its cell: the cell's place in the view, its font,
// colours and horizontal alignment, so that typing looks as the cell will.
struct InPlaceLook {
    QRect place;
    QFont font;
    QColor background;
    QColor text;
    Qt::Alignment alignment = Qt::AlignLeft;
};

// What the editor needs of its window: menu state, title, repainting, the in-place editor and
// closing.
class EditorShell {
public:
    virtual ~EditorShell() = default;
    virtual void RebuildMenu() = 0;
    virtual void SetCommandEnabled(CommandId command, bool enabled) = 0;
    virtual void SetCommandChecked(CommandId command, bool checked) = 0;
    virtual void SetTitle(const QString& title) = 0;
    // The table differs from its file (the title shows the platform's modified marker).
    virtual void SetModified(bool modified) = 0;
    // A passing note in the window's status line, for news that needs no answer.
    virtual void ShowNote(const QString& text) = 0;
    // The view and ruler pictures changed.
    virtual void ShowPictures() = 0;
    // A table is open: the window's start, which offers the ways in, goes.
    virtual void HideStart() = 0;
    // The keyboard to the table view, or to the in-place editor while it is open.
    virtual void FocusTableView() = 0;
    virtual void CloseWindow() = 0;
    // The in-place editor over a cell, holding `text` with the caret at its end. It takes the
    // keyboard before this returns, so the next key typed already goes into it.
    virtual void OpenInPlaceEditor(const InPlaceLook& look, const QString& text) = 0;
    // Its cell moved in the view (the view scrolled).
    virtual void PlaceInPlaceEditor(const QRect& place) = 0;
    virtual QString InPlaceEditorText() const = 0;
    // Hidden, the keyboard back to the table view.
    virtual void CloseInPlaceEditor() = 0;
    // The find bar, with its replace row or without, the keyboard in its text box.
    virtual void ShowFindBar(bool replace) = 0;
};
