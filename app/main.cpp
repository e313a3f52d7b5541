#include "uisupport/FitAndCentre.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->resize(706, 744);
    fitAndCentre(window);
    window->show();
    return app.exec();
}
