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
#include <QStandardPaths>
#include <QTransform>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {
SheetHook sheetHook;
bool printersIgnored = false;

// The PDF page imitates a printer's printable area, so the sheet lands on
// paper the same way when the file is printed later.
constexpr double pdfMarginMm = 10.0;

// Why a folder takes no new file, in the student's words.
QString reasonOf(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("den Ordner gibt es nicht");
    case ENOTDIR:
        return QStringLiteral("das ist kein Ordner");
    case EACCES:
    case EPERM:
        return QStringLiteral("Sie dürfen dort nicht schreiben");
    case EROFS:
        return QStringLiteral("der Ordner ist schreibgeschützt");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("es ist kein Speicherplatz mehr frei");
    case EEXIST:
        return QStringLiteral("alle Dateinamen für dieses Blatt sind vergeben");
    default:
        return QStringLiteral("Systemfehler %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The home folder, or an empty text and in `why` the reason there is none
// a sheet could be saved in. Without it the sheet is not saved anywhere:
// the toolkit would take the root folder for a missing home.
QString homeFolder(QString& why)
{
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) {
        why = QStringLiteral("Es ist kein Benutzerordner bekannt, in dem es liegen könnte (die Umgebungsvariable "
                             "HOME ist %1).")
                  .arg(qEnvironmentVariableIsSet("HOME") ? QStringLiteral("leer") : QStringLiteral("nicht gesetzt"));
        return QString();
    }
    const QFileInfo info(home);
    if (info.isRelative())
        why = QStringLiteral("Der Benutzerordner  %1  ist kein vollständiger Pfad.").arg(home);
    else if (!info.exists())
        why = QStringLiteral("Den Benutzerordner  %1  gibt es nicht.").arg(native(home));
    else if (!info.isDir())
        why = QStringLiteral("Der Benutzerordner  %1  ist kein Ordner.").arg(native(home));
    else
        return home;
    return QString();
}

// Creates name.pdf in the folder, or name-2.pdf, -3 ... when that name is
// taken: an earlier sheet of the same page is kept. O_EXCL lets the
// creation fail on every name that exists, a symbolic link included,
// dangling or not, so the sheet never goes through a link or over another
// file, and nothing can slip in between a check and the write. Returns 0
// or the error of the folder.
int createIn(const QString& folder, const QString& name, int& fd, QString& path)
{
    for (int n = 1; n < 1000; ++n) {
        path = QDir(folder).filePath(n == 1 ? name + QStringLiteral(".pdf")
                                            : QStringLiteral("%1-%2.pdf").arg(name).arg(n));
        do // the user's umask sets the permissions, as for any new file
            fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        0666);
        while (fd < 0 && errno == EINTR);
        if (fd >= 0)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Removes a created file again, unless another has taken its name since.
void discard(int& fd, const QString& path)
{
    if (fd < 0)
        return;
    const QByteArray name = QFile::encodeName(path);
    struct stat opened, named;
    if (::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino)
        ::unlink(name.constData());
    ::close(fd);
    fd = -1;
}

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return ::fsync(fd) == 0;
}

// `what` names the sheet; `detail` is the file or the reason there is none.
void pdfFailed(const QString& what, const QString& detail)
{
    showMessage(MessageType::Error, what + QStringLiteral(" konnte nicht als PDF-Datei gespeichert werden:\r\r") + detail);
}

void printerFailed(const QString& what, const QString& printer)
{
    showMessage(MessageType::Error, what + QStringLiteral(" konnte auf dem Drucker  ") + printer +
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
    QString what;
    int top = 0, bottom = 0; // the drawing's span, when it is to be centred
    Canvas* canvas = nullptr;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    Canvas sheet;
    // Without a printer: the file, created at the start, and the sheet,
    // drawn into memory until it is complete. A failed or partial write (a
    // full disk) removes the file again, and the student is told instead of
    // being sent to a sheet that cannot be read.
    QString pdfPath;
    int pdfFile = -1;
    QString pdfNote; // why the sheet is not in the documents folder
    QBuffer pdfData;
    std::unique_ptr<QPdfWriter> pdf;
};

PrintJob::PrintJob(const QString& name, const QString& what) : d(std::make_unique<Private>())
{
    d->name = name;
    d->what = what;
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
    discard(d->pdfFile, d->pdfPath);
}

// Creates the sheet's file in the documents folder, or in the home folder
// when the documents folder takes none; false after an error box.
bool PrintJob::createPdfFile()
{
    QString why;
    const QString home = homeFolder(why);
    if (home.isEmpty()) {
        pdfFailed(d->what, why);
        return false;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString notInDocuments;
    if (!documents.isEmpty() && QDir(documents) != QDir(home)) {
        const int error = createIn(documents, d->name, d->pdfFile, d->pdfPath);
        if (!error)
            return true;
        notInDocuments = QStringLiteral("Im Dokumentenordner  %1\rging das nicht, denn %2")
                             .arg(native(documents), reasonOf(error));
        d->pdfNote = notInDocuments + QStringLiteral(";\res liegt deshalb im Benutzerordner.");
    }
    if (const int error = createIn(home, d->name, d->pdfFile, d->pdfPath)) {
        const QString inHome =
            QStringLiteral("Im Benutzerordner  %1\rging das nicht, denn %2.").arg(native(home), reasonOf(error));
        pdfFailed(d->what, notInDocuments.isEmpty() ? inHome : notInDocuments + QStringLiteral(".\r") + inHome);
        return false;
    }
    return true;
}

bool PrintJob::begin()
{
    if (sheetHook) {
        d->canvas = sheetHook(d->name);
    } else {
        const QPrinterInfo info = printersIgnored ? QPrinterInfo() : QPrinterInfo::defaultPrinter();
        QPagedPaintDevice* device = nullptr;
        if (info.isNull()) {
            if (!createPdfFile())
                return false;
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
            if (d->pdfPath.isEmpty()) {
                printerFailed(d->what, info.printerName());
            } else {
                discard(d->pdfFile, d->pdfPath);
                pdfFailed(d->what, native(d->pdfPath));
            }
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
            printerFailed(d->what, d->printer->printerName());
        return !failed;
    }
    // Once the data are synced to the disk, closing cannot lose them.
    if (!ended || d->pdfData.data().isEmpty() || !writeAll(d->pdfFile, d->pdfData.data())) {
        discard(d->pdfFile, d->pdfPath);
        pdfFailed(d->what, native(d->pdfPath));
        return false;
    }
    ::close(std::exchange(d->pdfFile, -1));
    showMessage(MessageType::Information,
                QStringLiteral("Es ist kein Drucker eingerichtet. ") + d->what +
                    QStringLiteral(" wurde deshalb\r"
                                   "als PDF-Datei gespeichert:\r\r") +
                    native(d->pdfPath) +
                    (d->pdfNote.isEmpty() ? QString() : QStringLiteral("\r\r") + d->pdfNote) +
                    QStringLiteral("\r\rVon dort aus können Sie es öffnen und drucken."));
    return true;
}

} // namespace platform
