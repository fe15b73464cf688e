#include "testutil.h"

#include "construction/Uallgemein.h"
#include "lessons/pages.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace testutil {

std::vector<Message>& messages()
{
    static std::vector<Message> m;
    return m;
}

std::vector<QString>& questions()
{
    static std::vector<QString> q;
    return q;
}

bool& questionAnswer()
{
    static bool yes = true;
    return yes;
}

std::unique_ptr<TForm1> newWindow(QSize screen, unsigned long long seed)
{
    return newWindow(screen, QRect(), seed);
}

std::unique_ptr<TForm1> newWindow(QSize screen, QRect available, unsigned long long seed, bool keepSettings,
                                  std::unique_ptr<ProgressStore> store)
{
    static QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (!keepSettings)
        QDir(config.path()).removeRecursively();
    messages().clear();
    questions().clear();
    platform::setQuestionHook([](const QString& q) {
        questions().push_back(q);
        return questionAnswer();
    });
    platform::setScreenOverride(screen, available);
    platform::setMessageHook([](platform::MessageType t, const QString& s) {
        messages().push_back({t, s});
    });
    auto w = std::make_unique<TForm1>(std::move(store));
    platform::seedRandom(seed);
    return w;
}

std::unique_ptr<TForm1> openLesson(int lesson, unsigned long long seed)
{
    auto w = newWindow(wholeScreen, seed);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("the window does not become active");
    chooseLesson(*w, lesson);
    return w;
}

void openConstructionPage(TForm1& w, const QString& id)
{
    w.show_page(id.left(2).toInt(), id.mid(3).toInt());
}

std::vector<const InterimResult*> workedResults(int first, int last)
{
    auto w = newWindow();
    std::vector<const InterimResult*> out;
    for (int lesson = first; lesson <= last; ++lesson)
        for (int page = 1; page_function(lesson, page); ++page) {
            w->show_page(lesson, page);
            if (construction_steps().results)
                for (const InterimResult& r : construction_steps().results())
                    out.push_back(&r);
        }
    return out;
}

void record(TForm1& w)
{
    w.Canvas.clearRecord();
    w.Canvas.recording = true;
}

std::vector<platform::CanvasOp> ops(const TForm1& w, platform::CanvasOp::Kind kind)
{
    std::vector<platform::CanvasOp> out;
    for (const auto& op : w.Canvas.ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

QStringList texts(const TForm1& w)
{
    QStringList out;
    for (const auto& op : w.Canvas.ops)
        if (op.kind == platform::CanvasOp::TextOut)
            out << op.text;
    return out;
}

const platform::CanvasOp* findText(const TForm1& w, const QString& text)
{
    for (const auto& op : w.Canvas.ops)
        if (op.kind == platform::CanvasOp::TextOut && op.text == text)
            return &op;
    return nullptr;
}

const platform::CanvasOp* findLine(const TForm1& w, QPoint a, QPoint b, const QColor& color)
{
    for (const auto& op : w.Canvas.ops) {
        if (op.kind != platform::CanvasOp::LineTo)
            continue;
        const QPoint from(op.x1, op.y1), to(op.x2, op.y2);
        const bool same = (from == a && to == b) || (from == b && to == a);
        if (same && (!color.isValid() || op.pen.color == color))
            return &op;
    }
    return nullptr;
}

bool hasLine(const TForm1& w, int x1, int y1, int x2, int y2, const QColor& color)
{
    return findLine(w, QPoint(x1, y1), QPoint(x2, y2), color) != nullptr;
}

void verifyPolyline(const TForm1& w, const QList<QPoint>& points, const QColor& color, int width)
{
    for (int i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1], b = points[i];
        const platform::CanvasOp* op = findLine(w, a, b, color);
        QVERIFY2(op, qPrintable(QStringLiteral("line %1,%2 - %3,%4").arg(a.x()).arg(a.y()).arg(b.x()).arg(b.y())));
        QCOMPARE(op->pen.width, width);
        QCOMPARE(op->pen.style, platform::PenStyle::Solid);
    }
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void clickAt(TForm1& w, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mousePress(&w, button, modifiers, QPoint(x, y));
    QTest::mouseRelease(&w, button, modifiers, QPoint(x, y));
}

void chooseLesson(TForm1& w, int lesson)
{
    // On the indicator: a radio button takes clicks on its indicator and label only.
    QRadioButton* b = w.RG_Wahl->button(lesson - 1);
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
}

void select(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
}

} // namespace testutil
