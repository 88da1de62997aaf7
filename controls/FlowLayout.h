#pragma once
// Lays its items out left to right and starts a new row when the next item
// would pass the right edge, as a wrapping toolbar does: items keep their
// own size and never overlap, however narrow the widget becomes.

#include <QLayout>
#include <QList>

class TFlowLayout : public QLayout {
public:
    explicit TFlowLayout(QWidget* parent = nullptr, int spacing = 0);
    ~TFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items inside `rect` (only when `place`) and answers the height used.
    int LayOut(const QRect& rect, bool place) const;

    QList<QLayoutItem*> m_items;
};
