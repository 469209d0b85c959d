// Starts Kavro on its main menu.
#include "app/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kavro::Application kavro;
    kavro.start();
    return app.exec();
}
