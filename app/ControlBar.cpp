#include "ControlBar.h"

#include "ToolBand.h"

#include <QMainWindow>
#include <algorithm>

TControlBar::TControlBar(QMainWindow* window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("ControlBar1"));
}

void TControlBar::AddBand(TToolBand* band)
{
    m_bands.append(band);
    m_window->addToolBar(Qt::TopToolBarArea, band);
}

void TControlBar::SetVisible(bool visible)
{
    m_visible = visible;
    for (TToolBand* band : m_bands)
        band->setVisible(visible);
}

void TControlBar::Arrange()
{
    QList<TToolBand*> order = m_bands;
    // Bands whose tops are less than half a band apart share a row.
    const int rowPitch = 12;
    std::stable_sort(order.begin(), order.end(), [rowPitch](const TToolBand* a, const TToolBand* b) {
        const int rowA = a->Top() / rowPitch, rowB = b->Top() / rowPitch;
        return rowA != rowB ? rowA < rowB : a->Left() < b->Left();
    });
    for (TToolBand* band : order)
        m_window->removeToolBar(band);
    int row = -1;
    for (TToolBand* band : order) {
        const int bandRow = band->Top() / rowPitch;
        if (row >= 0 && bandRow != row)
            m_window->addToolBarBreak(Qt::TopToolBarArea);
        row = bandRow;
        m_window->addToolBar(Qt::TopToolBarArea, band);
        band->setVisible(m_visible);
    }
}
