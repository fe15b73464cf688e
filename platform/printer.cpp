#include "platform/printer.h"

#include "platform/system.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTransform>
#include <cmath>

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

// The PDF file is written only when the sheet is complete, through a save
// file: a failed or partial write (a full disk) leaves no file behind, and
// the student is told instead of being sent to a sheet that cannot be read.
static bool writeSheetFile(QSaveFile& file, const QByteArray& data)
{
    const bool written = file.write(data) == data.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written)
        file.cancelWriting();
    return file.commit() && written;
}

struct PrintJob::Private {
    QString name;
    int top = 0, bottom = 0; // the drawing's span, when it is to be centred
    Canvas* canvas = nullptr;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    Canvas sheet;
    // Without a printer: the file, opened at the start, and the sheet, drawn
    // into memory until it is complete.
    QString pdfPath;
    std::unique_ptr<QSaveFile> pdfFile;
    QBuffer pdfData;
    std::unique_ptr<QPdfWriter> pdf;
};

PrintJob::PrintJob(const QString& name) : d(std::make_unique<Private>())
{
    d->name = name;
}

void PrintJob::centreVertically(int top, int bottom)
{
    d->top = top;
    d->bottom = bottom;
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
        QPagedPaintDevice* device = nullptr;
        if (info.isNull()) {
            d->pdfPath = freePdfPath(d->name);
            d->pdfFile = std::make_unique<QSaveFile>(d->pdfPath);
            if (!d->pdfFile->open(QIODevice::WriteOnly)) {
                pdfFailed(d->pdfPath);
                return false;
            }
            d->pdfData.open(QIODevice::WriteOnly);
            d->pdf = std::make_unique<QPdfWriter>(&d->pdfData);
            d->pdf->setTitle(d->name);
            d->pdf->setCreator(QStringLiteral("FALKORIN"));
            d->pdf->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                              QMarginsF(pdfMarginMm, pdfMarginMm, pdfMarginMm, pdfMarginMm),
                                              QPageLayout::Millimeter));
            device = d->pdf.get();
        } else {
            d->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
            d->printer->setDocName(d->name);
            d->printer->setCreator(QStringLiteral("FALKORIN"));
            d->printer->setPageSize(QPageSize(QPageSize::A4));
            d->printer->setPageOrientation(QPageLayout::Portrait);
            device = d->printer.get();
        }

        if (!d->painter.begin(device)) {
            if (d->pdfPath.isEmpty())
                printerFailed(info.printerName());
            else
                pdfFailed(d->pdfPath);
            return false;
        }
        // Sheet units of 0.1 mm; Qt's y axis already points downwards and
        // its origin is the top-left corner of the printable area.
        QTransform sheet = QTransform::fromScale(device->logicalDpiX() / double(sheetUnitsPerInch),
                                                 device->logicalDpiY() / double(sheetUnitsPerInch));
        if (d->bottom > d->top) {
            // Printable height in sheet units; the shift is a whole unit,
            // so every length on the sheet stays as drawn.
            const double printable = device->height() * double(sheetUnitsPerInch) / device->logicalDpiY();
            sheet.translate(0, std::round((printable - (d->bottom - d->top)) / 2 - d->top));
        }
        d->painter.setWorldTransform(sheet);
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
    if (d->pdfPath.isEmpty()) {
        const bool failed = !ended || d->printer->printerState() == QPrinter::Error;
        if (failed)
            printerFailed(d->printer->printerName());
        return !failed;
    }
    if (!ended || d->pdfData.data().isEmpty() || !writeSheetFile(*d->pdfFile, d->pdfData.data())) {
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
