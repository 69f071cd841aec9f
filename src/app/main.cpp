#include <QApplication>

#include "app/main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rentiva"));
    CMainFrame frame;
    frame.show();
    return app.exec();
}
