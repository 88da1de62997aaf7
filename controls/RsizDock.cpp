#include "RsizDock.h"

#include <QDockWidget>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QRect>

TResizeDockSite::TResizeDockSite(QMainWindow* window, Qt::DockWidgetArea area, int tag, QObject* owner)
    : QObject(owner), m_window(window), m_area(area), m_tag(tag)
{
}

int TResizeDockSite::Tag() const
{
    return m_tag;
}

Qt::DockWidgetArea TResizeDockSite::Align() const
{
    return m_area;
}

void TResizeDockSite::SetAlign(Qt::DockWidgetArea area)
{
    const bool isEdge = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea
                        || area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
    if (!isEdge || area == m_area)
        return;
    const QList<QDockWidget*> docked = DockedClients();
    m_area = area;
    for (QDockWidget* client : docked)
        Window()->addDockWidget(area, client);
    Update();
}

int TResizeDockSite::MinSize() const
{
    return m_minSize;
}

void TResizeDockSite::SetMinSize(int size)
{
    m_minSize = qMax(0, size);
    Update();
}

void TResizeDockSite::Watch(QDockWidget* client)
{
    if (!client || IsWatched(client))
        return;
    m_clients.append(TClient{client});
    client->installEventFilter(this);
    connect(client, &QDockWidget::dockLocationChanged, this, &TResizeDockSite::Update);
    connect(client, &QDockWidget::topLevelChanged, this, &TResizeDockSite::Update);
    connect(client, &QDockWidget::visibilityChanged, this, &TResizeDockSite::Update);
    Update();
}

void TResizeDockSite::Dock(QDockWidget* client)
{
    Watch(client);
    Window()->addDockWidget(m_area, client);
    client->setFloating(false); // addDockWidget leaves a floating client floating
    Update();
}

int TResizeDockSite::DockClientCount() const
{
    int count = 0;
    for (const TClient& client : m_clients)
        count += State(client).docked ? 1 : 0;
    return count;
}

bool TResizeDockSite::IsEmpty() const
{
    for (const TClient& client : m_clients) {
        const TClient state = State(client);
        if (state.docked && state.shown)
            return false;
    }
    return true;
}

int TResizeDockSite::Width() const
{
    return Size().width();
}

int TResizeDockSite::Height() const
{
    return Size().height();
}

void TResizeDockSite::SetSize(int width, int height)
{
    const int thickness = qMax(m_minSize, Thickness(QSize(width, height)));
    const QList<QDockWidget*> onScreen = OnScreenClients();
    if (onScreen.isEmpty()) {
        m_pendingThickness = thickness;
        m_size = WithThickness(m_size, thickness);
        return;
    }
    m_pendingThickness.reset();
    Resize(onScreen, thickness);
}

bool TResizeDockSite::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Resize:
    case QEvent::ParentChange:
        // A client being destroyed is no QDockWidget any more: its record stays as it was.
        if (qobject_cast<QDockWidget*>(watched) && IsWatched(watched))
            Update();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool TResizeDockSite::IsVertical() const
{
    return m_area == Qt::LeftDockWidgetArea || m_area == Qt::RightDockWidgetArea;
}

QDockWidget* TResizeDockSite::Alive(const TClient& client)
{
    // Null once the client is destroyed, and while its destructor runs.
    return qobject_cast<QDockWidget*>(client.widget.data());
}

QMainWindow* TResizeDockSite::Window() const
{
    // Null while the window is being destroyed: its base destructor hides
    // the clients, and the record must stay as it was.
    return qobject_cast<QMainWindow*>(m_window.data());
}

bool TResizeDockSite::IsWatched(const QObject* object) const
{
    for (const TClient& client : m_clients) {
        if (client.widget == object)
            return true;
    }
    return false;
}

TResizeDockSite::TClient TResizeDockSite::State(const TClient& client) const
{
    QDockWidget* widget = Alive(client);
    QMainWindow* window = Window();
    if (!widget || !window)
        return client;
    const bool docked = !widget->isFloating() && window->dockWidgetArea(widget) == m_area;
    // Visible to the window, so that closing the whole window leaves it shown.
    return TClient{client.widget, docked, widget->isVisibleTo(window)};
}

QList<QDockWidget*> TResizeDockSite::DockedClients() const
{
    QList<QDockWidget*> docked;
    if (!Window())
        return docked;
    for (const TClient& client : m_clients) {
        if (Alive(client) && State(client).docked)
            docked.append(client.widget);
    }
    return docked;
}

QList<QDockWidget*> TResizeDockSite::OnScreenClients() const
{
    QList<QDockWidget*> onScreen = DockedClients();
    onScreen.removeIf([](const QDockWidget* client) { return !client->isVisible(); });
    return onScreen;
}

void TResizeDockSite::Update()
{
    if (!Window())
        return;
    for (TClient& client : m_clients) {
        client = State(client);
        if (QDockWidget* widget = Alive(client); widget && client.docked)
            ApplyMinSize(widget);
    }
    const QList<QDockWidget*> onScreen = OnScreenClients();
    if (m_pendingThickness && !onScreen.isEmpty()) {
        const int thickness = *m_pendingThickness;
        m_pendingThickness.reset();
        Resize(onScreen, thickness);
    }
    RecordSize(onScreen);
}

void TResizeDockSite::RecordSize(const QList<QDockWidget*>& onScreen)
{
    if (onScreen.isEmpty())
        return;
    QRect strip;
    for (const QDockWidget* client : onScreen)
        strip |= client->geometry();
    m_size = strip.size();
}

void TResizeDockSite::Resize(const QList<QDockWidget*>& clients, int thickness)
{
    QMainWindow* window = Window();
    window->resizeDocks(clients, QList<int>(clients.size(), thickness),
                        IsVertical() ? Qt::Horizontal : Qt::Vertical);
    // Lay out now, so that the new size is recorded at once.
    window->layout()->activate();
}

void TResizeDockSite::ApplyMinSize(QDockWidget* client) const
{
    if (IsVertical())
        client->setMinimumWidth(m_minSize);
    else
        client->setMinimumHeight(m_minSize);
}

QSize TResizeDockSite::Size() const
{
    return IsEmpty() ? WithThickness(m_size, 0) : m_size;
}

int TResizeDockSite::Thickness(QSize size) const
{
    return IsVertical() ? size.width() : size.height();
}

QSize TResizeDockSite::WithThickness(QSize size, int thickness) const
{
    if (IsVertical())
        size.setWidth(thickness);
    else
        size.setHeight(thickness);
    return size;
}
