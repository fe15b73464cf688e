// Baseline for the start-up measurement: a bare Qt window of the same size
// that is shown and then quits as soon as the event loop runs.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.resize(1280, 1024);
    w.show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
