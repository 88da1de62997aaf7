#pragma once
// Components with the kinds of properties the settings engine handles, and
// a small window that carries them.

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QWidget>

class TTestBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Left MEMBER m_left)
    Q_PROPERTY(int Top MEMBER m_top)
    Q_PROPERTY(bool Shown MEMBER m_shown)
    Q_PROPERTY(QVariant Tag MEMBER m_tag)           // not storable
    Q_PROPERTY(qint64 Big MEMBER m_big)             // not storable
    Q_PROPERTY(short Small MEMBER m_small)
    Q_PROPERTY(bool Visible MEMBER m_shownSetting)  // beside QWidget's "visible"
public:
    using QWidget::QWidget;
    int m_left = 0;
    int m_top = 0;
    bool m_shown = true;
    QVariant m_tag;
    qint64 m_big = 0;
    short m_small = 0;
    bool m_shownSetting = true;
};

class TTestFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name MEMBER m_name)
    Q_PROPERTY(int Size MEMBER m_size)
    Q_PROPERTY(QStringList Lines MEMBER m_lines)
public:
    using QObject::QObject;
    QString m_name;
    int m_size = 0;
    QStringList m_lines;
};

class TTestEditor : public QObject {
    Q_OBJECT
public:
    enum class Mode { Plain, Rich, Code };
    Q_ENUM(Mode)

private:
    Q_PROPERTY(QString InitialDir MEMBER m_initialDir)
    Q_PROPERTY(double Zoom MEMBER m_zoom)
    Q_PROPERTY(Mode EditMode MEMBER m_mode)
    Q_PROPERTY(QChar Mark MEMBER m_mark)
    Q_PROPERTY(TTestFont* Font MEMBER m_font)

public:
    explicit TTestEditor(QObject* parent = nullptr) : QObject(parent), m_font(new TTestFont(this)) {}
    QString m_initialDir;
    double m_zoom = 1.0;
    Mode m_mode = Mode::Plain;
    QChar m_mark = u'*';
    TTestFont* m_font;
};

// A top-level window named frmTest with a bar, a status bar and an editor.
class TTestWindow : public QWidget {
    Q_OBJECT
public:
    TTestWindow()
    {
        setObjectName("frmTest");
        tlbMain->setObjectName("tlbMain");
        statusBar->setObjectName("StatusBar");
        editor->setObjectName("Editor1");
    }
    TTestBar* tlbMain = new TTestBar(this);
    TTestBar* statusBar = new TTestBar(this);
    TTestEditor* editor = new TTestEditor(this);
};
