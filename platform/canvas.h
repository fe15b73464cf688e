#pragma once
// A drawing surface with the classic pen/brush/font model that the pages use.
//
// Pixel rules on a raster target (the window): no antialiasing; lineTo
// leaves out its end pixel; a rectangle's right and bottom coordinates are
// exclusive; textOut puts the top-left corner of the text cell at the
// point. A negative font height is the character height in pixels, a
// positive one the cell height.
//
// Every operation can be recorded (kind, coordinates, pen, brush, font,
// text), so tests can check exactly what was drawn. A raster canvas also
// keeps the operations still visible, so that the same drawing can be
// rendered again at a finer resolution (sharpImage).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace platform {

enum class PenStyle { Solid, Dash, Dot };
enum class BrushStyle { Clear, Solid };

struct Pen {
    QColor color = Qt::black;
    int width = 1;
    PenStyle style = PenStyle::Solid;
};

struct Brush {
    QColor color = Qt::white;
    BrushStyle style = BrushStyle::Solid;
};

struct Font {
    QString name = QStringLiteral("MS Sans Serif");
    int height = -11;
    QColor color = Qt::black;
    int pixelsPerInch = 96;

    // Size in points, derived from the height as the classic toolkits do.
    int size() const;
    void setSize(int points);
};

struct CanvasOp {
    enum Kind { MoveTo, LineTo, Rectangle, Ellipse, Arc, TextOut, Image };
    Kind kind;
    // MoveTo: (x1, y1). LineTo: from (x1, y1) to (x2, y2).
    // Rectangle / Ellipse / Image: (x1, y1)-(x2, y2), right and bottom exclusive.
    // Arc: bounding box (x1, y1)-(x2, y2), start (x3, y3), end (x4, y4).
    // TextOut: at (x1, y1).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, x3 = 0, y3 = 0, x4 = 0, y4 = 0;
    Pen pen;
    Brush brush;
    Font font;
    QString text;
};

// The Qt font for a font of the page model: the fonts of the classic system
// are mapped to Liberation fonts, heights to pixel sizes.
QFont qtFont(const Font& font);

class Canvas {
public:
    // A canvas that only records.
    Canvas();
    // Draws pixel-exactly on a raster image.
    explicit Canvas(QImage* image);
    // Draws through an active painter in its logical units (the printer sheet).
    explicit Canvas(QPainter* painter);

    Pen pen;
    Brush brush;
    Font font;

    QPoint penPos() const { return pos_; }
    void moveTo(int x, int y);
    void lineTo(int x, int y);
    void rectangle(int left, int top, int right, int bottom);
    void ellipse(int left, int top, int right, int bottom);
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void textOut(int x, int y, const QString& text);
    // textOut in the current font, made smaller by the least amount that
    // keeps the text (without trailing blanks) left of `right` and its cell
    // above `bottom` (both exclusive); the font is left as it was.
    void textOutFit(int x, int y, const QString& text, int right, int bottom = 1 << 30);
    void draw(int x, int y, const QImage& image);
    // Width of a text in the current font.
    int textWidth(const QString& text) const;

    // Recording: while `recording` is set, every operation is appended.
    bool recording = false;
    std::vector<CanvasOp> ops;
    void clearRecord() { ops.clear(); }

    // Called after each operation that changed a raster target.
    std::function<void()> changed;
    // The pixels that operation may have changed (the whole target after
    // fill), so that only that part of a window needs to be shown anew.
    QRect changedArea() const { return changedArea_; }
    // All that changed since the last call, in rows of whole tiles: a page
    // drawn in many operations is shown anew in a few rectangles.
    std::vector<QRect> takeChanges();

    // Starts a raster target afresh in one colour (a window's background).
    void fill(const QColor& color);
    // The raster drawing rendered at `scale` device pixels per pixel: lines
    // on the same pixels, text and curves at the finer resolution, instead
    // of the 1x image blown up. The 1x image itself is untouched. Brought up
    // to date on each call with the operations drawn since the last one.
    const QImage& sharpImage(double scale);
    // Operations kept for sharpImage: those not yet painted over entirely.
    size_t keptOperations() const { return kept_.size(); }

private:
    // An operation of the raster drawing with what rendering it again needs.
    struct Kept {
        CanvasOp op;
        QRect bounds;
        QImage image;
        // A clearing in the background colour: only these parts of it (the
        // drawn tiles around it) are filled; everywhere else it is already.
        bool clears = false;
        QRegion only;
    };

public:
    // The raster drawing as it stands, to go back to later: a drawing that
    // grows and shrinks again (a polygon clicked vertex by vertex) is taken
    // back without redrawing what lay under it. Recorded operations stay.
    class Snapshot {
        friend class Canvas;
        QImage image_;
        std::vector<Kept> kept_;
        QImage sharp_;
        double sharpScale_ = 0;
        size_t sharpDone_ = 0;
        std::vector<unsigned char> drawn_;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& s);

private:

    void record(CanvasOp::Kind kind, int x1, int y1, int x2 = 0, int y2 = 0,
                const QString& text = QString(), int x3 = 0, int y3 = 0, int x4 = 0,
                int y4 = 0, QRect bounds = QRect(), const QImage& image = QImage(), const QRegion* clears = nullptr);
    void keep(CanvasOp&& op, QRect bounds, const QImage& image, const QRegion* clears);
    // Tiles of the raster target that may hold pixels other than the
    // background: clearing a page in the background colour fills only
    // those, here and at every finer scale.
    static constexpr int tileSize = 16;
    // Tiles over the whole image, all marked drawn or none.
    void resetTiles(bool drawn);
    void markTiles(std::vector<unsigned char>& tiles, QRect area) const;
    void markDrawn(QRect area) { markTiles(drawn_, area); }
    void unmarkDrawn(QRect area);
    QRegion drawnAround(QRect area) const;
    void renderKept(QPainter& p, const Kept& k, double scale);
    void fillSharp(QPainter& p, const QRect& area, const QColor& color);
    void rasterLine(int x0, int y0, int x1, int y1);
    void notify();
    template <typename Draw>
    void paint(Draw draw);

    QImage* image_ = nullptr;
    QPainter* painter_ = nullptr;
    QPoint pos_;
    QRect changedArea_;
    // The same pixels more closely: a clearing in the background colour
    // changes only the parts that were drawn on.
    QRegion changedRegion_;
    std::vector<unsigned char> drawn_; // per tile, row by row
    std::vector<unsigned char> changes_; // per tile: changed since takeChanges()
    int tilesX_ = 0, tilesY_ = 0;

    std::vector<Kept> kept_;
    QColor background_ = Qt::white;
    QImage sharp_;
    double sharpScale_ = 0;
    size_t sharpDone_ = 0; // operations of kept_ already in sharp_
};

// The pen of one drawing: set when the drawing starts; when it ends, the
// pen every drawing leaves behind (solid, width 1, black) is back.
class ScopedPen {
public:
    ScopedPen(Canvas& canvas, const QColor& color, int width = 1, PenStyle style = PenStyle::Solid)
        : ScopedPen(canvas, Pen{color, width, style}, Pen{})
    {
    }
    // The pen of a part of a drawing (a mark, a wider rule): when the part
    // ends, the pen of the drawing around it is back as it was found.
    static ScopedPen part(Canvas& canvas, const QColor& color, int width)
    {
        return ScopedPen(canvas, Pen{color, width, canvas.pen.style}, canvas.pen);
    }
    // Only another width, in the colour and style found.
    static ScopedPen part(Canvas& canvas, int width) { return part(canvas, canvas.pen.color, width); }
    ~ScopedPen() { canvas_.pen = after_; }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    ScopedPen(Canvas& canvas, const Pen& pen, const Pen& after) : canvas_(canvas), after_(after)
    {
        canvas_.pen = pen;
    }

    Canvas& canvas_;
    Pen after_;
};

} // namespace platform
