#pragma once
// The program's few contacts with the system beyond its window: message
// boxes, the screen size, the random generator and the mouse cursor. Each
// can be taken over by tests.
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace platform {

enum class MessageType { Information, Error };

// A modal message box with one OK button. "\r" in the text breaks the line;
// nothing else does.
// The box stands over `parent`, or over the active window.
void showMessage(MessageType type, const QString& text, QWidget* parent = nullptr);

// The box showMessage opens, not yet shown, in the font of `parent`.
std::unique_ptr<QDialog> messageBox(MessageType type, const QString& text, QWidget* parent);

// Tests answer message boxes here instead of a person; the hook receives
// each box and the box does not open. Pass nullptr to restore real boxes.
using MessageHook = std::function<void(MessageType, const QString&)>;
void setMessageHook(MessageHook hook);

// A modal question with the button `yes` and "Abbrechen"; true when the
// student chooses `yes`. Tests answer it here instead of a person.
bool askQuestion(const QString& text, const QString& yes);
using QuestionHook = std::function<bool(const QString&)>;
void setQuestionHook(QuestionHook hook);

// Size of the screen the window is shown on; tests may pretend another.
QSize screenSize();
void setScreenSizeOverride(QSize size); // an empty size ends the override
// The part of that screen windows may take (without panels); a pretended
// screen has no panels unless its free area is pretended too.
QRect availableArea();
void setScreenOverride(QSize size, QRect available);

struct WindowSettings;
// The window's size and zoom, kept per user in fenster.ini in the
// program's configuration folder; nothing kept gives an empty size.
WindowSettings loadWindowSettings();
void saveWindowSettings(const WindowSettings& settings);

// Uniform real in [0, 1).
long double random();
void seedRandomFromClock();
void seedRandom(unsigned long long seed);

// The toolkit's own texts (context menus of the fields, standard buttons)
// in German, as the rest of the program; false where the translation is not
// installed, and the texts stay English.
bool useGermanToolkitTexts();

// The cross-hair cursor for the whole application; set once, kept until the end.
void setCrossCursor();

} // namespace platform
