// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dialog_fit.h"

#include "app/dialogs/fitting_scroll_area.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

QRect AvailableScreenArea(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : nullptr;
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize ClientRoom(const QWidget* window, const QRect& available) {
    // Until the window manager has framed the window its frame is unknown.
    QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.isEmpty()) frame = QSize(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return available.size() - frame;
}

QSize ScrollingSize(QSize whole, QSize room, const QScrollArea* area) {
    if (whole.height() > room.height())
        whole.rwidth() += area->verticalScrollBar()->sizeHint().width();
    return whole.boundedTo(room);
}

QScrollArea* AddScrollingPage(QDialog* dialog, QWidget* page) {
    auto* area = new FittingScrollArea(dialog);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(page);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return area;
}

void FitScrollingDialog(QDialog* dialog, QScrollArea* area, const QRect& available) {
    const QSize page = area->widget()->size();
    dialog->setMaximumSize(page + QSize(area->verticalScrollBar()->sizeHint().width(), 0));
    dialog->resize(ScrollingSize(page, ClientRoom(dialog, available), area));
}
