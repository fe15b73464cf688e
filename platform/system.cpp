#include "platform/system.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <chrono>
#include <random>

namespace platform {

namespace {
MessageHook messageHook;
QSize screenOverride;
std::mt19937_64& generator()
{
    static std::mt19937_64 g;
    return g;
}
bool crossCursorSet = false;
} // namespace

void setMessageHook(MessageHook hook)
{
    messageHook = std::move(hook);
}

void showMessage(MessageType type, const QString& text)
{
    if (messageHook) {
        messageHook(type, text);
        return;
    }
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(type == MessageType::Error ? QMessageBox::Critical : QMessageBox::Information,
                    type == MessageType::Error ? QStringLiteral("Fehler") : QStringLiteral("Information"),
                    shown, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

QSize screenSize()
{
    if (screenOverride.isValid() && !screenOverride.isEmpty())
        return screenOverride;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return QSize(1280, 1024);
}

QRect availableArea()
{
    if (screenOverride.isValid() && !screenOverride.isEmpty())
        return QRect(QPoint(0, 0), screenOverride);
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->availableGeometry();
    return QRect(0, 0, 1280, 1024);
}

void setScreenSizeOverride(QSize size)
{
    screenOverride = size;
}

long double random()
{
    // 64 random bits give a real in [0, 1) with the full extended mantissa.
    const unsigned long long bits = generator()();
    return static_cast<long double>(bits) / 18446744073709551616.0L;
}

void seedRandomFromClock()
{
    generator().seed(static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void seedRandom(unsigned long long seed)
{
    generator().seed(seed);
}

void setCrossCursor()
{
    if (crossCursorSet)
        return;
    crossCursorSet = true;
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
}

} // namespace platform
