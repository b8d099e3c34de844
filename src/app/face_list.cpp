#include "app/face_list.h"

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

} // namespace

void FillFaceList(QComboBox* list) {
    list->clear();
    list->setItemDelegate(new FaceItemDelegate(list));
    QStringList families = QFontDatabase::families();
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    list->addItems(families);
}
