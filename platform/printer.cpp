#include "platform/printer.h"

#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTransform>

namespace platform {

namespace {
SheetHook sheetHook;
bool printersIgnored = false;

// The PDF page imitates a printer's printable area, so the sheet lands on
// paper the same way when the file is printed later.
constexpr double pdfMarginMm = 10.0;

QString sheetFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

// An earlier sheet of the same page is kept: the new one gets a number.
QString freePdfPath(const QString& name)
{
    const QDir folder(sheetFolder());
    QString path = folder.filePath(name + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(n));
    return path;
}

void pdfFailed(const QString& path)
{
    showMessage(MessageType::Error,
                QStringLiteral("Das Diagrammblatt konnte nicht als PDF-Datei gespeichert werden:\r\r") +
                    QDir::toNativeSeparators(path));
}

void printerFailed(const QString& printer)
{
    showMessage(MessageType::Error, QStringLiteral("Das Diagrammblatt konnte auf dem Drucker  ") + printer +
                                        QStringLiteral("  nicht gedruckt werden."));
}
} // namespace

void setSheetHook(SheetHook hook)
{
    sheetHook = std::move(hook);
}

void setPrintersIgnored(bool ignored)
{
    printersIgnored = ignored;
}

struct PrintJob::Private {
    QString name;
    Canvas* canvas = nullptr;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    Canvas sheet;
    QString pdfPath; // set when the sheet goes to a PDF file
};

PrintJob::PrintJob(const QString& name) : d(std::make_unique<Private>())
{
    d->name = name;
}

PrintJob::~PrintJob()
{
    if (d->painter.isActive())
        d->painter.end();
}

bool PrintJob::begin()
{
    if (sheetHook) {
        d->canvas = sheetHook(d->name);
    } else {
        const QPrinterInfo info = printersIgnored ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            d->pdfPath = freePdfPath(d->name);
            d->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            d->printer->setOutputFormat(QPrinter::PdfFormat);
            d->printer->setOutputFileName(d->pdfPath);
            d->printer->setPageMargins(QMarginsF(pdfMarginMm, pdfMarginMm, pdfMarginMm, pdfMarginMm),
                                       QPageLayout::Millimeter);
        } else {
            d->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        }
        d->printer->setDocName(d->name);
        d->printer->setCreator(QStringLiteral("FALKORIN"));
        d->printer->setPageSize(QPageSize(QPageSize::A4));
        d->printer->setPageOrientation(QPageLayout::Portrait);

        if (!d->painter.begin(d->printer.get())) {
            if (d->pdfPath.isEmpty())
                printerFailed(info.printerName());
            else
                pdfFailed(d->pdfPath);
            return false;
        }
        // Sheet units of 0.1 mm; Qt's y axis already points downwards and
        // its origin is the top-left corner of the printable area.
        d->painter.setWorldTransform(
            QTransform::fromScale(d->printer->logicalDpiX() / double(sheetUnitsPerInch),
                                  d->printer->logicalDpiY() / double(sheetUnitsPerInch)));
        d->sheet = Canvas(&d->painter);
        d->canvas = &d->sheet;
    }
    if (!d->canvas)
        return false;
    d->canvas->font.pixelsPerInch = sheetFontPixelsPerInch;
    return true;
}

Canvas& PrintJob::canvas()
{
    Q_ASSERT(d->canvas);
    return *d->canvas;
}

bool PrintJob::end()
{
    d->canvas = nullptr;
    if (!d->painter.isActive())
        return true; // a test's sheet
    const bool ended = d->painter.end();
    const bool failed = !ended || d->printer->printerState() == QPrinter::Error;
    if (d->pdfPath.isEmpty()) {
        if (failed)
            printerFailed(d->printer->printerName());
        return !failed;
    }
    if (failed || QFileInfo(d->pdfPath).size() == 0) {
        QFile::remove(d->pdfPath);
        pdfFailed(d->pdfPath);
        return false;
    }
    showMessage(MessageType::Information,
                QStringLiteral("Es ist kein Drucker eingerichtet. Das Diagrammblatt wurde deshalb\r"
                               "als PDF-Datei gespeichert:\r\r") +
                    QDir::toNativeSeparators(d->pdfPath) +
                    QStringLiteral("\r\rVon dort aus können Sie es öffnen und drucken."));
    return true;
}

} // namespace platform
