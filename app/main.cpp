#include "app/Unit1.h"
#include "platform/fontset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::useProgramFontSet();
    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon
    // (the desktop id is a build setting, see dist/install.cmake).
    QGuiApplication::setDesktopFileName(QStringLiteral(FALKORIN_APP_ID));
    TForm1 form;
    return app.exec();
}
