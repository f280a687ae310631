#ifndef DELEGATEWITHOUTFOCUS_H
#define DELEGATEWITHOUTFOCUS_H

#include <QStyledItemDelegate>

// Paints the items of a choice list without the focus frame: the current
// item shows by its selection colour alone.
class DelegateWithoutFocus : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit DelegateWithoutFocus(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

#endif // DELEGATEWITHOUTFOCUS_H
