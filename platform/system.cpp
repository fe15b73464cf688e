#include "platform/system.h"

#include "platform/scale_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <QStyle>
#include <QVBoxLayout>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <cmath>
#include <random>

namespace platform {

namespace {
MessageHook messageHook;
QuestionHook questionHook;
QSize screenOverride;
QRect availableOverride;
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

void showMessage(MessageType type, const QString& text, QWidget* parent)
{
    if (messageHook) {
        messageHook(type, text);
        return;
    }
    messageBox(type, text, parent ? parent : QApplication::activeWindow())->exec();
}

void setQuestionHook(QuestionHook hook)
{
    questionHook = std::move(hook);
}

bool askQuestion(const QString& text, const QString& yes)
{
    if (questionHook)
        return questionHook(text);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == accept;
}

// A box of our own: the toolkit's message box rewraps long lines on its own.
std::unique_ptr<QDialog> messageBox(MessageType type, const QString& text, QWidget* parent)
{
    const bool error = type == MessageType::Error;
    auto box = std::make_unique<QDialog>(parent);
    box->setObjectName(QStringLiteral("message_box"));
    box->setWindowTitle(error ? QStringLiteral("Fehler") : QStringLiteral("Information"));
    if (parent)
        box->setFont(parent->font());

    auto* icon = new QLabel(box.get());
    const int side = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box.get());
    icon->setPixmap(box->style()
                        ->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation,
                                       nullptr, box.get())
                        .pixmap(side, side));
    icon->setAlignment(Qt::AlignTop);

    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* label = new QLabel(shown, box.get());
    label->setObjectName(QStringLiteral("message_text"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box.get());
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(label, 1);
    auto* layout = new QVBoxLayout(box.get());
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return box;
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
        return availableOverride.isEmpty() ? QRect(QPoint(0, 0), screenOverride) : availableOverride;
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->availableGeometry();
    return QRect(0, 0, 1280, 1024);
}

void setScreenSizeOverride(QSize size)
{
    setScreenOverride(size, QRect());
}

void setScreenOverride(QSize size, QRect available)
{
    screenOverride = size;
    availableOverride = available;
}

static QString windowSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/fenster.ini");
}

WindowSettings loadWindowSettings()
{
    const QSettings ini(windowSettingsFile(), QSettings::IniFormat);
    WindowSettings s;
    s.size = QSize(ini.value(QStringLiteral("Fenster/Breite")).toInt(), ini.value(QStringLiteral("Fenster/Hoehe")).toInt());
    s.zoom = ini.value(QStringLiteral("Fenster/Zoom")).toDouble();
    s.maximized = ini.value(QStringLiteral("Fenster/Maximiert")).toBool();
    if (ini.status() != QSettings::NoError || s.size.width() <= 0 || s.size.height() <= 0 || !std::isfinite(s.zoom))
        return WindowSettings{};
    return s;
}

void saveWindowSettings(const WindowSettings& settings)
{
    QSettings ini(windowSettingsFile(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Fenster/Breite"), settings.size.width());
    ini.setValue(QStringLiteral("Fenster/Hoehe"), settings.size.height());
    ini.setValue(QStringLiteral("Fenster/Zoom"), settings.zoom);
    ini.setValue(QStringLiteral("Fenster/Maximiert"), settings.maximized);
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

bool useGermanToolkitTexts()
{
    static QTranslator* translator = nullptr;
    if (translator)
        return true;
    auto t = std::make_unique<QTranslator>();
    if (!t->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator = t.release();
    QCoreApplication::installTranslator(translator);
    return true;
}

void setCrossCursor()
{
    if (crossCursorSet)
        return;
    crossCursorSet = true;
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
}

} // namespace platform
