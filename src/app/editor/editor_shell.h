#pragma once

#include <QString>

// What the editor needs of its window: menu state, title, repainting and closing.
class EditorShell {
public:
    virtual ~EditorShell() = default;
    virtual void RebuildMenu() = 0;
    virtual void SetCommandEnabled(int command, bool enabled) = 0;
    virtual void SetCommandChecked(int command, bool checked) = 0;
    virtual void SetTitle(const QString& title) = 0;
    // The table differs from its file (the title shows the platform's modified marker).
    virtual void SetModified(bool modified) = 0;
    // The view and ruler pictures changed.
    virtual void ShowPictures() = 0;
    virtual void FocusTableView() = 0;
    virtual void CloseWindow() = 0;
};
