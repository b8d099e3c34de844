// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/style_gallery_dialog.h"

#include "app/dialogs/dialog_controls.h"
#include "app/dialogs/dialog_fit.h"
#include "app/messages/message_table.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kTileSize(240, 150);

// The preview within the tile, never enlarged, on a neutral ground so white tables show
// their edge; at the preview's own detail for sharp screens.
QIcon TileIcon(const QImage& preview) {
    const qreal ratio = preview.isNull() ? 1.0 : preview.devicePixelRatio();
    QImage tile(kTileSize * ratio, QImage::Format_RGB32);
    tile.setDevicePixelRatio(ratio);
    tile.fill(QColor(0xE8, 0xE8, 0xE8));
    if (!preview.isNull()) {
        const QSizeF size = preview.deviceIndependentSize();
        QImage shown = preview;
        if (size.width() > kTileSize.width() || size.height() > kTileSize.height()) {
            shown =
                preview.scaled(kTileSize * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            shown.setDevicePixelRatio(ratio);
        }
        const QSizeF shownSize = shown.deviceIndependentSize();
        QPainter painter(&tile);
        painter.drawImage(QPointF((kTileSize.width() - shownSize.width()) / 2,
                                  (kTileSize.height() - shownSize.height()) / 2),
                          shown);
    }
    // The chosen tile keeps its true colours; the list marks it with its caption.
    QIcon icon(QPixmap::fromImage(tile));
    icon.addPixmap(QPixmap::fromImage(tile), QIcon::Selected);
    return icon;
}

} // namespace

StyleGalleryDialog::StyleGalleryDialog(QWidget* parent, const MessageTable& messages,
                                       const std::vector<GalleryStyle>& styles, int current)
    : QDialog(parent), styles_(styles), list_(new QListWidget(this)) {
    setWindowTitle(TitleOf(messages.Message(kStyleGroup, kTableStyleEntry)));
    list_->setViewMode(QListView::IconMode);
    list_->setIconSize(kTileSize);
    list_->setResizeMode(QListView::Adjust);
    list_->setMovement(QListView::Static);
    list_->setSpacing(8);
    list_->setWordWrap(true);
    list_->setMinimumSize(kTileSize.width() + 48, kTileSize.height() + 72);
    for (const GalleryStyle& style : styles)
        list_->addItem(new QListWidgetItem(TileIcon(style.preview), style.name));
    list_->setCurrentRow(std::clamp(current, 0, int(styles.size()) - 1));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(messages.Message(kStyleGroup, kApplyStyleEntry),
                                            QDialogButtonBox::AcceptRole);
    apply->setDefault(true);
    delete_ = buttons->addButton(messages.Message(kStyleGroup, kDeleteStyleEntry),
                                 QDialogButtonBox::DestructiveRole);
    buttons->addButton(messages.Message(msg::kCancel), QDialogButtonBox::RejectRole);
    connect(apply, &QPushButton::clicked, this, [this] { Choose(GalleryAction::Apply); });
    connect(delete_, &QPushButton::clicked, this, [this] { Choose(GalleryAction::Delete); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] { Choose(GalleryAction::Apply); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    UpdateButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    FitInto(AvailableScreenArea(parent));
}

// Four tiles across and two rows when the screen has room; the list scrolls otherwise.
void StyleGalleryDialog::FitInto(const QRect& available) {
    const QSize wanted(4 * (kTileSize.width() + 24) + 48, 2 * (kTileSize.height() + 48) + 96);
    resize(wanted.boundedTo(ClientRoom(this, available)));
}

GalleryChoice StyleGalleryDialog::choice() const {
    return {action_, list_->currentRow()};
}

void StyleGalleryDialog::Choose(GalleryAction action) {
    if (list_->currentRow() < 0) return;
    action_ = action;
    accept();
}

void StyleGalleryDialog::UpdateButtons() {
    const int row = list_->currentRow();
    delete_->setEnabled(row >= 0 && size_t(row) < styles_.size() && styles_[size_t(row)].deletable);
}
