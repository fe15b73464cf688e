#include "app/Unit1.h"
#include "platform/fontset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::useProgramFontSet();
    QApplication app(argc, argv);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.falkorin.Falkorin"));
    TForm1 form;
    return app.exec();
}
