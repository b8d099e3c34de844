#pragma once

#include "app/editor.h"
#include "app/editor_shell.h"

#include <QHash>
#include <QMainWindow>

class PictureWidget;
class QAction;
class QPushButton;

// The one main window: fixed size, menu bar, table view, the two rulers and the ruler
// button. Its behaviour is the editor's; the window shows and forwards.
class MainWindow final : public QMainWindow, public EditorShell {
public:
    MainWindow(Ui& ui, const Clock& clock, AppState& state);

    Editor& editor() { return editor_; }
    PictureWidget* tableView() const { return tableView_; }
    QAction* action(int command) const { return actions_.value(command); }

    // EditorShell
    void RebuildMenu() override;
    void SetCommandEnabled(int command, bool enabled) override;
    void SetCommandChecked(int command, bool checked) override;
    void SetTitle(const QString& title) override;
    void SetModified(bool modified) override;
    void ShowPictures() override;
    void FocusTableView() override;
    void CloseWindow() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Editor editor_;
    QHash<int, QAction*> actions_;
    PictureWidget* tableView_ = nullptr;
    PictureWidget* columnRuler_ = nullptr;
    PictureWidget* rowRuler_ = nullptr;
    QPushButton* rulerButton_ = nullptr;
    bool closedByCommand_ = false;
};
