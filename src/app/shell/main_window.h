// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/editor/editor.h"
#include "app/editor/editor_shell.h"
#include "app/shell/main_menu.h"

#include <QHash>
#include <QMainWindow>
#include <QTranslator>

class FindBar;
class InPlaceEditor;
class PictureWidget;
class QAction;
class QPushButton;
class StartPanel;
class QToolBar;
class TableViewArea;

// The one main window: menu bar, table view, the two rulers and the ruler button. It opens
// at the size that shows the whole view when the screen has room and fits the screen when it
// has not; the view then scrolls inside it. Its behaviour is the editor's; the window shows
// and forwards.
class MainWindow final : public QMainWindow, public EditorShell {
public:
    // Control ids of the table view and the rulers.
    static constexpr int kTableViewControl = 1001;
    static constexpr int kColumnRulerControl = 1035;
    static constexpr int kRowRulerControl = 1036;

    MainWindow(Ui& ui, const Clock& clock, EditorState& state);

    Editor& editor() { return editor_; }
    PictureWidget* tableView() const { return tableView_; }
    InPlaceEditor* inPlaceEditor() const { return inPlaceEditor_; }
    FindBar* findBar() const { return findBar_; }
    QAction* action(CommandId command) const { return actions_.value(command); }
    TableViewArea* viewArea() const { return viewArea_; }
    StartPanel* startPanel() const { return startPanel_; }

    // Sizes and places the window within the screen's available area: the whole view when
    // there is room, else as much as fits.
    void FitInto(const QRect& available);

    // EditorShell
    void RebuildMenu() override;
    void SetCommandEnabled(CommandId command, bool enabled) override;
    void SetCommandChecked(CommandId command, bool checked) override;
    void SetTitle(const QString& title) override;
    void SetModified(bool modified) override;
    void ShowNote(const QString& text) override;
    void ShowPictures() override;
    void HideStart() override;
    void FocusTableView() override;
    void CloseWindow() override;
    void OpenInPlaceEditor(const InPlaceLook& look, const QString& text) override;
    void PlaceInPlaceEditor(const QRect& place) override;
    QString InPlaceEditorText() const override;
    void CloseInPlaceEditor() override;
    void ShowFindBar(bool replace) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FollowScreen();
    // The vertical bar shows the editor's scroll of the table.
    void ShowTableScroll();

    Editor editor_;
    QHash<CommandId, QAction*> actions_;
    // Qt's own texts in the program's language, from the first menu on.
    QTranslator qtTranslation_;
    TableViewArea* viewArea_ = nullptr;
    PictureWidget* tableView_ = nullptr;
    InPlaceEditor* inPlaceEditor_ = nullptr;
    StartPanel* startPanel_ = nullptr;
    PictureWidget* columnRuler_ = nullptr;
    PictureWidget* rowRuler_ = nullptr;
    QPushButton* rulerButton_ = nullptr;
    // Under the view, hidden until Find or Replace.
    QToolBar* findArea_ = nullptr;
    FindBar* findBar_ = nullptr;
    bool closedByCommand_ = false;
};
