#include "ChmManager.h"

#include "ChmHelpViewer.h"

#include <QPointer>
#include <QWidget>

namespace {

struct THelpState {
    QString File;
    QPointer<QWidget> Owner;
    std::unique_ptr<THelpViewer> Viewer = std::make_unique<TChmHelpViewer>();
};

THelpState& State()
{
    static THelpState state;
    return state;
}

}  // namespace

QString HelpFileName()
{
    return QStringLiteral("Vellora ヘルプ.CHM");
}

void SetHelpFile(QWidget* owner, const QString& path)
{
    State().File = path;
    State().Owner = owner;
}

void ShowHelp()
{
    State().Viewer->Open(State().File, THelpViewer::DisplayContents, 0);
}

void CloseHelp()
{
}

QString HelpFile()
{
    return State().File;
}

QWidget* HelpOwner()
{
    return State().Owner;
}

void SetHelpViewer(std::unique_ptr<THelpViewer> viewer)
{
    State().Viewer = viewer ? std::move(viewer) : std::make_unique<TChmHelpViewer>();
}
