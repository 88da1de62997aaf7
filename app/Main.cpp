// Program entry: the application titled "Vellora" and its MDI frame.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("vellora");  // names the per-user settings folder
    QApplication::setApplicationDisplayName("Vellora");
    QApplication::setApplicationVersion(VELLORA_VERSION);

    QMainWindow frame;
    frame.setObjectName("frmMain");
    frame.setWindowTitle("Vellora");
    frame.setCentralWidget(new QMdiArea(&frame));
    frame.resize(800, 600);
    frame.show();
    return app.exec();
}
