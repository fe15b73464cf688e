#include "app/Unit1.h"
#include "app/progress.h"
#include "platform/desktop_session.h"
#include "platform/fontset.h"
#include "platform/system.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (!platform::desktopNamed(argc, argv))
        return platform::reportNoDesktop();
    platform::useProgramFontSet();
    platform::catchDesktopFailure(true);
    QApplication app(argc, argv);
    platform::catchDesktopFailure(false);
    // Per-user files (the window size) live in ~/.config/falkorin/.
    QCoreApplication::setApplicationName(QStringLiteral("falkorin"));
    // Lets Wayland desktops match the window to its menu entry and icon
    // (the desktop id is a build setting, see dist/install.cmake).
    QGuiApplication::setDesktopFileName(QStringLiteral(FALKORIN_APP_ID));
    platform::useGermanToolkitTexts();
    TForm1 form(std::make_unique<ProgressFile>(ProgressFile::defaultPath()));
    return app.exec();
}
