#include <QApplication>

#include "editor/MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto* mainWindow = new vantrel::MainWindow();
    mainWindow->show();
    return app.exec();
}
