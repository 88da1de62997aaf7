#pragma once
// One dock area of a QMainWindow seen as a dock site: a strip along one edge
// of the window that takes no room while nothing visible is docked in it,
// takes the docked window's size when one docks and lets the user resize it
// with the window's own separator. Qt draws the separator and the outline
// of a window dragged over the edge.
//
// The site follows the dock widgets it watches wherever they go (user drags,
// addDockWidget, setFloating, hide and show) and keeps a docking record: which
// of them are docked here and the strip's size while one of them was visible.
// The record outlives the clients. A watched client that is destroyed still
// counts as docked with its last state, and a client hidden because the whole
// window closed still counts as visible with the size it last had. So at
// shutdown, after the tool window is gone, the site still answers
// DockClientCount(), Width() and Height() as they were while it was docked.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

#include <optional>

class QDockWidget;
class QMainWindow;

class TResizeDockSite : public QObject {
    Q_OBJECT
public:
    // A facade over one dock area of window. owner frees it (usually window).
    TResizeDockSite(QMainWindow* window, Qt::DockWidgetArea area, int tag, QObject* owner);

    int Tag() const;
    Qt::DockWidgetArea Align() const;
    // Moves the site and its docked clients to another edge. Qt::NoDockWidgetArea,
    // Qt::AllDockWidgetAreas and the current edge are ignored.
    void SetAlign(Qt::DockWidgetArea area);
    // The smallest thickness the user can resize the strip to (default 30),
    // applied as the minimum width or height of the docked clients.
    int MinSize() const;
    void SetMinSize(int size);

    // Follows client from now on: it may dock into or leave this site at any time.
    void Watch(QDockWidget* client);
    // Docks client into this site and watches it.
    void Dock(QDockWidget* client);

    // Docked (not floating) watched clients, hidden ones included.
    int DockClientCount() const;
    // True when no docked client is visible: the strip has collapsed.
    bool IsEmpty() const;
    // The strip's size: for a left or right site the width is its thickness
    // and the height its length, for a top or bottom site the other way
    // round. The thickness is 0 while the site is empty.
    int Width() const;
    int Height() const;
    // The strip's size when a docked client was last on screen, kept while
    // the site is empty; invalid while none has been on screen.
    QSize LastSize() const { return m_size; }
    // Gives the strip the thickness that belongs to its edge (width for left
    // and right, height for top and bottom), at least MinSize(). While no
    // docked client is on screen (hidden, or the window not shown yet) the
    // thickness is kept and applied when one appears.
    void SetSize(int width, int height);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the site knows of one watched client; kept after it is destroyed.
    struct TClient {
        QPointer<QDockWidget> widget;
        bool docked = false;
        bool shown = false;
    };

    bool IsVertical() const;
    static QDockWidget* Alive(const TClient& client);
    QMainWindow* Window() const;
    bool IsWatched(const QObject* object) const;
    TClient State(const TClient& client) const;
    QList<QDockWidget*> DockedClients() const;
    QList<QDockWidget*> OnScreenClients() const;
    void Update();
    void RecordSize(const QList<QDockWidget*>& onScreen);
    void Resize(const QList<QDockWidget*>& clients, int thickness);
    void ApplyMinSize(QDockWidget* client) const;
    QSize Size() const;
    int Thickness(QSize size) const;
    QSize WithThickness(QSize size, int thickness) const;

    QPointer<QMainWindow> m_window;
    Qt::DockWidgetArea m_area;
    int m_tag;
    int m_minSize = 30;
    QList<TClient> m_clients;
    QSize m_size; // width x height while a docked client was last on screen
    std::optional<int> m_pendingThickness;
};
