#include <QApplication>
#include <memory>

#include "app/Startup.h"
#include "app/Unt_Main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::unique_ptr<TFrmmain> window(StartKelvaro(app));
    window->show();
    return QApplication::exec();
}
