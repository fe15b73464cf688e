#pragma once
// Shared helpers of the tests: a fresh main window with message boxes
// answered by the test, and queries on the recorded window canvas.
#include "app/Unit1.h"
#include "construction/construction_data.h"
#include "platform/system.h"

#include <QSize>
#include <QString>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

namespace testutil {

struct Message {
    platform::MessageType type;
    QString text;
};

// Every message box shown since the window was made (none opens).
std::vector<Message>& messages();

// Questions asked since the window was made, and the answer each gets.
std::vector<QString>& questions();
bool& questionAnswer();

// A screen whose free area holds the whole window, caption and all, 1:1.
inline const QSize wholeScreen(1920, 1200);

// A new main window as after start-up, on a pretended screen, with nothing
// kept from an earlier run. Message boxes are recorded instead of shown;
// questions are answered with questionAnswer(); the random generator is
// seeded. Kept window settings go to a folder of the tests' own. A store,
// if given, keeps the progress.
std::unique_ptr<TForm1> newWindow(QSize screen = wholeScreen, unsigned long long seed = 1);
std::unique_ptr<TForm1> newWindow(QSize screen, QRect available, unsigned long long seed = 1,
                                  bool keepSettings = false, std::unique_ptr<ProgressStore> store = nullptr);

// A new window, active so that it takes the keyboard, on the first page of
// a lesson chosen as the student would.
std::unique_ptr<TForm1> openLesson(int lesson, unsigned long long seed = 1);

// Opens a construction page (e.g. "07_02") by its page function, as the
// page buttons would.
void openConstructionPage(TForm1& w, const QString& id);

// The interim results of the worked examples of lessons first..last, in
// page order, as the construction pages name them (each page is shown once
// in a window of its own to find them).
std::vector<const InterimResult*> workedResults(int first = 5, int last = 8);

// Starts recording the window canvas afresh.
void record(TForm1& w);

// The recorded operations of a kind.
std::vector<platform::CanvasOp> ops(const TForm1& w, platform::CanvasOp::Kind kind);
// Texts drawn, in order.
QStringList texts(const TForm1& w);
// The recorded text operation with this text, or nullptr.
const platform::CanvasOp* findText(const TForm1& w, const QString& text);
// Whether a line from (x1, y1) to (x2, y2) was drawn (in either direction).
bool hasLine(const TForm1& w, int x1, int y1, int x2, int y2, const QColor& color = QColor());
// The recorded line from a to b (in either direction), in the colour if one
// is given; nullptr if there is none.
const platform::CanvasOp* findLine(const TForm1& w, QPoint a, QPoint b, const QColor& color = QColor());
// Verifies a solid polyline of the width through the points, in the colour.
void verifyPolyline(const TForm1& w, const QList<QPoint>& points, const QColor& color, int width = 2);

// Clicks a control with the left mouse button, as the student would.
void click(QWidget* w);
// Clicks the window's client area at (x, y).
void clickAt(TForm1& w, int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Chooses a lesson (1..8) in the lesson choice as the student would.
void chooseLesson(TForm1& w, int lesson);
// Selects an item of a drop-down list.
void select(QComboBox* box, int index);

} // namespace testutil
