#include "app/main_window.h"

#include "app/command_ids.h"
#include "app/main_menu.h"
#include "app/message_table.h"
#include "app/picture_widget.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Table view at (22, 22), rulers above and left of it, the ruler button in the corner.
constexpr QRect kTableViewGeometry(22, 22, kViewWidth, kViewHeight);
constexpr QRect kColumnRulerGeometry(22, 1, 1123, 21);
constexpr QRect kRowRulerGeometry(1, 22, 21, 937);
constexpr QRect kRulerButtonGeometry(0, 0, 22, 22);
constexpr QSize kClientSize(1145, 959);

} // namespace

MainWindow::MainWindow(Ui& ui, const Clock& clock, AppState& state)
    : editor_(ui, clock, *this, state) {
    setWindowIcon(QIcon(QStringLiteral(":/quadrivel.png")));
    auto* client = new QWidget(this);
    client->setFixedSize(kClientSize);
    setCentralWidget(client);

    tableView_ = new PictureWidget(editor_.viewPicture(), client);
    tableView_->setObjectName(QStringLiteral("1001"));
    tableView_->setGeometry(kTableViewGeometry);
    tableView_->setFocusPolicy(Qt::StrongFocus);
    tableView_->onLeftClick = [this](QPoint p) { editor_.LeftClick(p.x(), p.y()); };
    tableView_->onRightClick = [this](QPoint p) { editor_.RightClick(p.x(), p.y()); };
    tableView_->onWheel = [this](int delta) { editor_.Wheel(delta); };
    tableView_->onDoubleClick = [this](QPoint p) { editor_.DoubleClick(p.x(), p.y()); };
    tableView_->onKey = [this](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
        editor_.Key(key, modifiers, text);
    };

    columnRuler_ = new PictureWidget(editor_.columnRulerPicture(), client);
    columnRuler_->setObjectName(QStringLiteral("1035"));
    columnRuler_->setGeometry(kColumnRulerGeometry);
    rowRuler_ = new PictureWidget(editor_.rowRulerPicture(), client);
    rowRuler_->setObjectName(QStringLiteral("1036"));
    rowRuler_->setGeometry(kRowRulerGeometry);

    rulerButton_ = new QPushButton(client);
    rulerButton_->setObjectName(QStringLiteral("1111"));
    rulerButton_->setGeometry(kRulerButtonGeometry);
    rulerButton_->setFocusPolicy(Qt::NoFocus);
    connect(rulerButton_, &QPushButton::clicked, this,
            [this] { editor_.Command(command::kRulerButton); });

    RebuildMenu();
    setFixedSize(sizeHint());
}

void MainWindow::RebuildMenu() {
    actions_ = BuildMainMenu(*menuBar(), MessageTable(editor_.state().settings.currentLanguage));
    for (QAction* action : std::as_const(actions_)) {
        const int id = action->data().toInt();
        connect(action, &QAction::triggered, this, [this, id] { editor_.Command(id); });
    }
}

void MainWindow::SetCommandEnabled(int command, bool enabled) {
    if (QAction* a = actions_.value(command)) a->setEnabled(enabled);
}

void MainWindow::SetCommandChecked(int command, bool checked) {
    if (QAction* a = actions_.value(command)) a->setChecked(checked);
}

void MainWindow::SetTitle(const QString& title) {
    setWindowTitle(title);
}

void MainWindow::ShowPictures() {
    tableView_->update();
    columnRuler_->update();
    rowRuler_->update();
}

void MainWindow::FocusTableView() {
    tableView_->setFocus();
}

void MainWindow::CloseWindow() {
    closedByCommand_ = true;
    close();
}

// The window's close box leaves as "Exit the program" does, settings saved.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!closedByCommand_) editor_.SaveProgramSettings();
    event->accept();
}
