#include "app/Unit1.h"
#include "platform/desktop_session.h"
#include "platform/fontset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (!platform::desktopNamed(argc, argv))
        return platform::reportNoDesktop();
    platform::useProgramFontSet();
    platform::catchDesktopFailure(true);
    QApplication app(argc, argv);
    platform::catchDesktopFailure(false);
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.falkorin.Falkorin"));
    TForm1 form;
    return app.exec();
}
