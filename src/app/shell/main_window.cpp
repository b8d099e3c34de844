// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shell/main_window.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_fit.h"
#include "app/dialogs/dialog_resources.h"
#include "app/editor/command_ids.h"
#include "app/messages/message_table.h"
#include "app/shell/find_bar.h"
#include "app/shell/in_place_editor.h"
#include "app/shell/main_menu.h"
#include "app/shell/picture_widget.h"
#include "app/shell/qt_translation.h"
#include "app/shell/start_panel.h"
#include "app/shell/table_view_area.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace {

// Enough of the view to find one's way in it.
constexpr QSize kSmallestClient(200, 150);
// Inside the view's margin, where the first cell of a table will be.
constexpr QPoint kStartPlace(24, 16);

} // namespace

MainWindow::MainWindow(Ui& ui, const Clock& clock, EditorState& state)
    : editor_(ui, clock, *this, state) {
    setWindowIcon(QIcon(PngPicture(QStringLiteral(":/quadrivel.png"))));

    tableView_ = new PictureWidget(editor_.viewPicture(), this);
    tableView_->setObjectName(ControlName(kTableViewControl));
    tableView_->setFocusPolicy(Qt::StrongFocus);
    tableView_->onLeftClick = [this](QPoint p, Qt::KeyboardModifiers modifiers) {
        editor_.LeftClick(p.x(), p.y(), modifiers);
    };
    tableView_->onRightClick = [this](QPoint p) { editor_.RightClick(p.x(), p.y()); };
    tableView_->onWheel = [this](int delta, bool sideways) {
        return editor_.Wheel(delta, sideways);
    };
    tableView_->onDoubleClick = [this](QPoint p) { editor_.DoubleClick(p.x(), p.y()); };
    tableView_->onKey = [this](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        editor_.Key(key, modifiers, text);
    };

    // A child of the view: it scrolls with it when the window is smaller than the view.
    inPlaceEditor_ = new InPlaceEditor(tableView_);
    inPlaceEditor_->onCommit = [this](int columnStep, int rowStep) {
        editor_.CommitInPlace(inPlaceEditor_->text(), columnStep, rowStep);
    };
    inPlaceEditor_->onCancel = [this] { editor_.CancelInPlace(); };

    // Over the empty view until a table is open: a new table in one click.
    startPanel_ = new StartPanel(tableView_, state.settings.currentLanguage);
    startPanel_->move(kStartPlace);
    startPanel_->onPicked = [this](int columns, int rows) {
        editor_.NewTableOfSize(columns, rows);
    };

    columnRuler_ = new PictureWidget(editor_.columnRulerPicture(), this);
    columnRuler_->setObjectName(ControlName(kColumnRulerControl));
    rowRuler_ = new PictureWidget(editor_.rowRulerPicture(), this);
    rowRuler_->setObjectName(ControlName(kRowRulerControl));

    rulerButton_ = new QPushButton(this);
    rulerButton_->setObjectName(ControlName(int(CommandId::RulerButton)));
    rulerButton_->setFocusPolicy(Qt::NoFocus);
    connect(rulerButton_, &QPushButton::clicked, this,
            [this] { editor_.Command(CommandId::RulerButton); });

    viewArea_ = new TableViewArea(tableView_, columnRuler_, rowRuler_, rulerButton_, this);
    viewArea_->setMinimumSize(kSmallestClient);
    viewArea_->onShownHeight = [this](int height) {
        editor_.SetShownHeight(height);
        ShowTableScroll();
    };
    viewArea_->onTableScroll = [this](int scrolled) {
        editor_.ScrollTo(editor_.ScrollOffset().x(), -scrolled);
        ShowTableScroll();
    };
    setCentralWidget(viewArea_);
    findBar_ = new FindBar(this);
    findBar_->onChange = [this] { editor_.SetSearch(findBar_->query(), findBar_->replacement()); };
    findBar_->onCommand = [this](CommandId id) { editor_.Command(id); };
    findBar_->onClose = [this] {
        findArea_->hide();
        FocusTableView();
    };
    findArea_ = new QToolBar(this);
    findArea_->setMovable(false);
    findArea_->setFloatable(false);
    // Opened by its commands only, not from the window's toolbar menu.
    findArea_->toggleViewAction()->setVisible(false);
    findArea_->addWidget(findBar_);
    addToolBar(Qt::BottomToolBarArea, findArea_);
    findArea_->hide();
    // Made now, so that the first note does not shift the view.
    statusBar()->setSizeGripEnabled(false);

    RebuildMenu();
    editor_.SetPixelRatio(devicePixelRatioF());
    resize(sizeHint());
}

void MainWindow::FitInto(const QRect& available) {
    resize(ScrollingSize(sizeHint(), ClientRoom(this, available), viewArea_));
    if (!available.contains(frameGeometry())) move(available.topLeft());
}

void MainWindow::RebuildMenu() {
    const int language = editor_.state().settings.currentLanguage;
    InstallQtTranslation(qtTranslation_, language);
    actions_ = BuildMainMenu(*menuBar(), MessageTable(language));
    startPanel_->SetLanguage(language);
    findBar_->SetTexts(MessageTable(language));
    for (QAction* action : std::as_const(actions_)) {
        const auto id = CommandId(action->data().toInt());
        connect(action, &QAction::triggered, this, [this, id] { editor_.Command(id); });
    }
}

void MainWindow::SetCommandEnabled(CommandId command, bool enabled) {
    if (QAction* a = actions_.value(command)) a->setEnabled(enabled);
}

void MainWindow::SetCommandChecked(CommandId command, bool checked) {
    if (QAction* a = actions_.value(command)) a->setChecked(checked);
}

void MainWindow::SetTitle(const QString& title) {
    setWindowTitle(title + QStringLiteral("[*]"));
}

void MainWindow::SetModified(bool modified) {
    setWindowModified(modified);
}

void MainWindow::ShowNote(const QString& text) {
    // Long enough to read a path, short enough not to outlive the next change.
    constexpr int kNoteMilliseconds = 8000;
    statusBar()->showMessage(text, kNoteMilliseconds);
}

void MainWindow::ShowPictures() {
    tableView_->update();
    columnRuler_->update();
    rowRuler_->update();
    ShowTableScroll();
}

void MainWindow::HideStart() {
    startPanel_->hide();
}

void MainWindow::ShowTableScroll() {
    viewArea_->ShowTableScroll(-editor_.LowestScroll().y(), -editor_.ScrollOffset().y());
}

void MainWindow::FocusTableView() {
    if (inPlaceEditor_->IsOpen())
        inPlaceEditor_->setFocus();
    else
        tableView_->setFocus();
}

void MainWindow::OpenInPlaceEditor(const InPlaceLook& look, const QString& text) {
    inPlaceEditor_->Open(look, text);
}

void MainWindow::PlaceInPlaceEditor(const QRect& place) {
    inPlaceEditor_->Place(place);
}

QString MainWindow::InPlaceEditorText() const {
    return inPlaceEditor_->text();
}

void MainWindow::CloseInPlaceEditor() {
    inPlaceEditor_->Close(tableView_);
}

void MainWindow::ShowFindBar(bool replace) {
    findArea_->show();
    findBar_->Open(replace);
}

void MainWindow::CloseWindow() {
    closedByCommand_ = true;
    close();
}

// The window's close box leaves as "Exit the program" does: unsaved changes are asked
// about, settings saved.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closedByCommand_) {
        if (!editor_.MayLeaveTable()) {
            event->ignore();
            return;
        }
        editor_.SaveProgramSettings();
    }
    // The changes were saved or dropped on the way here.
    editor_.recovery().Drop();
    event->accept();
}

// The pictures follow the resolution of the screen the window is on.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FollowScreen();
    if (QWindow* window = windowHandle())
        connect(window, &QWindow::screenChanged, this, &MainWindow::FollowScreen,
                Qt::UniqueConnection);
}

void MainWindow::FollowScreen() {
    editor_.SetPixelRatio(devicePixelRatioF());
}
