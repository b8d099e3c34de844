// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/face_list.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

class FaceItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->font.setFamilies({index.data().toString()});
    }
};

bool FaceOrder(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

void FillFaceList(QComboBox* list) {
    list->clear();
    list->setItemDelegate(new FaceItemDelegate(list));
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(), FaceOrder);
    list->addItems(families);
}

void SelectFace(QComboBox* list, const QString& face) {
    int index = list->findText(face, Qt::MatchFixedString);
    if (index < 0 && !face.trimmed().isEmpty()) {
        // Not installed under its own name: a substitute draws it (Times New Roman by
        // Liberation Serif), but the cell keeps its face, so the list names it.
        index = 0;
        while (index < list->count() && FaceOrder(list->itemText(index), face))
            ++index;
        list->insertItem(index, face);
    }
    list->setCurrentIndex(index);
}
