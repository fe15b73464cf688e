#pragma once
// The printing service: one portrait A4 sheet per job, drawn on a canvas in
// sheet units of 0.1 mm with the y axis downwards and the origin at the
// top-left corner of the printable area (moved down to centre the drawing). The sheet goes to the system's
// default printer without a dialog; without a printer it is saved as a PDF
// file in the user's documents folder (or, where that takes no file, in the
// home folder) and the student is told where and why.
#include "platform/canvas.h"

#include <QString>
#include <functional>
#include <memory>

namespace platform {

// Sheet units per inch: one unit is 0.1 mm.
constexpr int sheetUnitsPerInch = 254;

// Font sizes in points are converted on the sheet at 96 units per inch, as a
// screen converts them to pixels, not at the 254 units a true point would
// take. The sheet asks for 25 points for its two header lines, which lie only
// 4 mm apart: true 25-point type is 8.8 mm tall and the lines would run into
// each other, while 25 "sheet points" give 3.3 mm tall letters in a cell
// below 4 mm, as large as the sheet's other text. The body text height of
// 40 units also comes back unchanged from its detour through points
// (40 -> -30 pt -> 40); at 254 per inch it would come back as 39.
constexpr int sheetFontPixelsPerInch = 96;

class PrintJob {
public:
    // `name` names the print document and, without a printer, the PDF file
    // (name + ".pdf", numbered -2, -3 ... when that name is taken). The file
    // is always created new, never written through a link or over a file.
    // `what` names the sheet in the messages, with its (neuter) article.
    explicit PrintJob(const QString& name, const QString& what = QStringLiteral("Das Diagrammblatt"));
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // The drawing spans the sheet's y from `top` to `bottom` (sheet units):
    // it is moved up or down, unscaled, so that this span stands centred
    // between the top and the bottom of the printable area. Before begin().
    void centreVertically(int top, int bottom);

    // Starts the page. False, after an error box, when neither the printer
    // nor the PDF file could be started; then nothing is to be drawn.
    bool begin();
    // The sheet's canvas, valid from a successful begin() to end().
    Canvas& canvas();
    // Finishes the page: the printer prints it, a PDF file is written (whole
    // or, on a failed write such as a full disk, not at all) and announced
    // in an information box; failures are shown in an error box.
    // True when the sheet was printed or saved.
    bool end();

private:
    bool createPdfFile();
    struct Private;
    std::unique_ptr<Private> d;
};

// Tests take the sheets here: while a hook is set, begin() draws on the
// canvas the hook returns for the document name (a recording canvas, or
// one on a painter of the test's own), and no printer, file or message box
// is involved. A hook returning nullptr makes begin() fail silently. Pass
// nullptr to restore the printing service.
using SheetHook = std::function<Canvas*(const QString& name)>;
void setSheetHook(SheetHook hook);

// Makes the service behave as if the system had no printer, so that the
// PDF fallback can be tested and no test ever reaches a real printer.
void setPrintersIgnored(bool ignored);

} // namespace platform
