#include "platform/desktop_session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
QtMessageHandler previousHandler = nullptr;

// The toolkit's own -platform option wins over the environment.
QString requestedPlatform(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The toolkit's reasons (a display that does not answer, a missing
    // library) came before as warnings; its closing advice is replaced.
    if (type == QtFatalMsg)
        std::_Exit(reportNoDesktop());
    if (previousHandler)
        previousHandler(type, context, text);
}
} // namespace

bool desktopNamed(int argc, char** argv)
{
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QString requested = requestedPlatform(argc, argv);
    if (requested.isEmpty())
        return x11 || wayland;
    // A list is tried in order; a platform may carry options after ':'.
    for (const QString& entry : requested.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed();
        const bool needsX11 = name == QLatin1String("xcb");
        const bool needsWayland = name.startsWith(QLatin1String("wayland"));
        if ((!needsX11 && !needsWayland) || (needsX11 && x11) || (needsWayland && wayland))
            return true;
    }
    return false;
}

int reportNoDesktop()
{
    QString text = QStringLiteral("FALKORIN braucht eine grafische Arbeitsoberfläche (X11 oder Wayland) und kann "
                                  "ohne sie nicht starten.\n");
    QStringList named;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(variable))
            named << QString::fromLatin1(variable) + QLatin1Char('=') + qEnvironmentVariable(variable);
    if (named.isEmpty())
        text += QStringLiteral("Es ist keine Anzeige eingestellt (DISPLAY und WAYLAND_DISPLAY sind leer).\n");
    else
        text += QStringLiteral("Die Anzeige  %1  ist nicht erreichbar.\n").arg(named.join(QStringLiteral(" / ")));
    text += QStringLiteral("Bitte starten Sie das Programm in einer grafischen Sitzung.\n");
    std::fputs(text.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    return 1;
}

void catchDesktopFailure(bool on)
{
    if (on)
        previousHandler = qInstallMessageHandler(onStartupMessage);
    else
        qInstallMessageHandler(previousHandler);
}

} // namespace platform
