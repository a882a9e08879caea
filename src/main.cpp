#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mosaic Rush"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.mosaic_rush.MosaicRush"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/mosaic-rush.png")));
    mosaic::MainWindow window;
    window.show();
    return app.exec();
}
