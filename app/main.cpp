#include "app/Unit1.h"
#include "platform/fontset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    platform::useProgramFontSet();
    QApplication app(argc, argv);
    TForm1 form;
    return app.exec();
}
