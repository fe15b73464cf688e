// The main window: start-up, the introductory page and quitting.
#include "app/Unit1.h"

#include "app/progress.h"
#include "construction/Uallgemein.h"
#include "construction/drawing_exercise.h"
#include "platform/numfmt.h"
#include "platform/scale_host.h"
#include "platform/system.h"
#include "platform/text.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <cmath>

TForm1* Form1 = nullptr;

void draw_chart(bool magnitude, bool phase)
{
    // A redraw wipes a drawing in progress; the page that redraws says
    // whether there is anything to draw.
    drawing_exercise::leave();
    draw_chart(Form1->Canvas, magnitude, phase);
    Form1->magnitude_shown = magnitude;
    Form1->phase_shown = phase;
}

// A rule across the memo, between the blocks of a text.
using memo_text::rule;

TForm1::TForm1(std::unique_ptr<ProgressStore> store)
    : QWidget(nullptr), image_(1280, 1024, QImage::Format_RGB32), progress_store_(std::move(store))
{
    Form1 = this;
    Canvas = platform::Canvas(&image_);
    Canvas.fill(window_color);
    // Only what the operations drew is shown anew, with a margin for the
    // smoothed edges of the drawing at a finer scale, and all that a page
    // draws in one go once it is drawn (before the window is painted):
    // updating the window for each operation costs more than painting it.
    Canvas.changed = [this] {
        if (canvas_changes_posted_)
            return;
        canvas_changes_posted_ = true;
        QMetaObject::invokeMethod(this, [this] { show_canvas_changes(); }, Qt::QueuedConnection);
    };
    // The drawing covers the whole client area: nothing needs to be filled
    // beneath it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    build_layout();
    attach_construction({&Canvas, M_teilaufg, M_teilloes, B_next, B_ergeb, B_druck, B_rechts, B_zeichnung,
                         P_zeichn_statistik});
    connect_handlers();
    connect_keys();
    setMouseTracking(true);
    create();
}

TForm1::~TForm1()
{
    progress::finish(progress_store_.get());
    host_.reset();
    if (Form1 == this) {
        Form1 = nullptr;
        attach_construction({});
    }
}

double TForm1::zoom() const
{
    return host_->scale();
}

void TForm1::setZoom(double scale)
{
    host_->setScale(scale);
}

QWidget* TForm1::shownWindow()
{
    return host_->window();
}

QGraphicsView* TForm1::scaledView()
{
    return host_->view();
}

// The keys a student expects: paging, printing and zooming as elsewhere.
// A key presses its button only where the button is there to be clicked.
void TForm1::connect_keys()
{
    auto key = [this](const QList<QKeySequence>& sequences, auto action) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(sequences);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    auto press = [](platform::Button* button) {
        if (!button->isVisible() || !button->isEnabled())
            return;
        // Leaving an input field is checked as it is for a click.
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
    };
    key({QKeySequence(Qt::ALT | Qt::Key_Right)}, [this, press] { press(B_rechts); });
    key({QKeySequence(Qt::ALT | Qt::Key_Left)}, [this, press] { press(B_links); });
    key({QKeySequence(Qt::CTRL | Qt::Key_P)}, [this, press] { press(B_druck); });
    // Alt and a letter of the button's text, each bound once in the window.
    key({QKeySequence(Qt::ALT | Qt::Key_Z)}, [this, press] { press(B_links); });
    key({QKeySequence(Qt::ALT | Qt::Key_W)}, [this, press] { press(B_rechts); });
    key({QKeySequence(Qt::ALT | Qt::Key_B)}, [this, press] { press(B_Ende); });
    key({QKeySequence(Qt::ALT | Qt::Key_A)}, [this, press] { press(B_auswert); });
    key({QKeySequence(Qt::ALT | Qt::Key_P)}, [this, press] { press(B_pruef); });
    key({QKeySequence(Qt::Key_F2)}, [this] { B_inhaltClick(); });
    // Ctrl+= as well: the plus sign needs Shift on many keyboards. One key
    // bound twice would fire neither.
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomIn.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)))
        zoomIn << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    key(zoomIn, [this] { setZoom(platform::nextZoom(zoom(), +1)); });
    key(QKeySequence::keyBindings(QKeySequence::ZoomOut), [this] { setZoom(platform::nextZoom(zoom(), -1)); });
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { host_->resetScale(); });
}

void TForm1::connect_handlers()
{
    RG_Wahl->onClick = [this] { lektion_wahl(); };
    connect(B_links, &QPushButton::clicked, this, [this] { B_linksClick(); });
    connect(B_rechts, &QPushButton::clicked, this, [this] { B_rechtsClick(); });
    connect(B_Ende, &QPushButton::clicked, this, [this] { B_EndeClick(); });
    connect(B_auswert, &QPushButton::clicked, this, [this] { B_auswertClick(); });
    connect(B_loes, &QPushButton::clicked, this, [this] { B_loesClick(); });
    connect(B_text, &QPushButton::clicked, this, [this] { B_textClick(); });
    connect(B_pruef, &QPushButton::clicked, this, [this] { B_pruefClick(); });
    connect(B_neu, &QPushButton::clicked, this, [this] { B_neuClick(); });
    connect(B_next, &QPushButton::clicked, this, [this] { B_nextClick(); });
    connect(B_ergeb, &QPushButton::clicked, this, [this] { B_ergebClick(); });
    connect(B_druck, &QPushButton::clicked, this, [this] { B_druckClick(); });
    connect(B_zeichnung, &QPushButton::clicked, this, [this] { B_zeichnungClick(); });
    connect(B_eigen, &QPushButton::clicked, this, [this] { B_eigenClick(); });
    connect(B_uebernehmen, &QPushButton::clicked, this, [this] { B_uebernehmenClick(); });
    connect(B_inhalt, &QPushButton::clicked, this, [this] { B_inhaltClick(); });
    connect(B_lernstand, &QPushButton::clicked, this, [this] { B_lernstandClick(); });
    connect(B_weiter, &QPushButton::clicked, this, [this] { B_weiterClick(); });
    connect(B_zufall, &QPushButton::clicked, this, [this] { B_zufallClick(); });
    // Enter moves from the numerator to the denominator and accepts there.
    E_zaehler->onKeyPress = [this](int key) {
        if (key != 13)
            return false;
        E_nenner->setFocus();
        return true;
    };
    E_nenner->onKeyPress = [this](int key) {
        if (key != 13)
            return false;
        B_uebernehmenClick();
        return true;
    };
    for (platform::Edit* e : {E_freq, E_wert}) {
        e->onExit = [this, e] { E_Exit(e); };
        e->onKeyPress = [this, e](int key) { return E_KeyPress(e, key); };
        e->setMaxEntryLength(max_entry_length);
    }
    E_freq->onClick = [this] { E_freq_click(); };
    E_wert->onClick = [this] { E_wert_click(); };
}

void TForm1::create()
{
    platform::seedRandomFromClock();

    // The window's client area is the 1280 x 1024 layout, shown whole in the
    // free area of the screen, at the size and zoom of the last run where
    // they still fit.
    resize(1280, 1024);
    setWindowTitle(QStringLiteral("FALKORIN  -  Lernprogramm zum Bode-Diagramm"));
    host_ = std::make_unique<platform::ScaleHost>(this);
    host_->onClose = [this] { platform::saveWindowSettings(host_->settings()); };
    host_->start(platform::loadWindowSettings());

    chart = ChartSettings{};
    reset_program_state();

    M_text->hide();
    M_teilaufg->hide();
    M_teilloes->hide();
    P_Wahl->hide();
    B_Ende->show();
    B_links->show();
    B_rechts->show();
    P_aufgaben->hide();
    P_punkt->hide();
    P_diag->hide();
    for (int k = 1; k <= 5; ++k)
        l_loes[k]->setText(QString());

    intro_page();
    progress::start(progress_store_.get());

    // Over the window, once it stands: where the screen cannot hold the
    // layout 1:1, the scale it is shown at and how to change it; not again
    // once the student has a size of their own. The scale counts screen
    // pixels: a display that magnifies everything shows more than 1:1.
    host_->whenSettled([this] {
        const double shown = zoom() * shownWindow()->devicePixelRatioF();
        if (host_->keptStart() || shown >= 1.0 - 1e-9 || host_->fittedScale() >= 1.0 - 1e-9)
            return;
        platform::showMessage(
            platform::MessageType::Information,
            QStringLiteral("Die Seiten des Programms  FALKORIN  sind für  1280 x 1024  Bildpunkte ausgelegt.\r"
                           "Auf diesem Bildschirm hat das Fenster in voller Größe keinen Platz;\r"
                           "es wird deshalb verkleinert auf  %1 %  dargestellt.\r\r"
                           "Mit  Strg + Plus  und  Strg + Minus  ändern Sie die Größe,\r"
                           "mit  Strg + 0  passt das Fenster wieder ganz auf den Bildschirm.")
                .arg(numfmt::integer(numfmt::nearest(shown * 100))),
            shownWindow());
    });
}

static QString introduction()
{
    const QStringList lines = {
        QString(),
        QStringLiteral("ALLGEMEINES"),
        QString(),
        QStringLiteral("FALKORIN ist ein Lernprogramm zum Bode-Diagramm. Es ist in acht Lektionen gegliedert, die "
                       "aufeinander aufbauen: Jede Lektion setzt den Stoff der vorhergehenden voraus. Bearbeiten Sie "
                       "die Lektionen deshalb in der angebotenen Reihenfolge und gehen Sie erst dann zur nächsten "
                       "Lektion über, wenn Sie die Aufgaben der aktuellen Lektion sicher lösen können."),
        QStringLiteral("Die Lektion wählen Sie unten links unter \"Wahl der Lektion\"; mit den Schaltflächen "
                       "\"Zurück zur letzten Seite\" und \"Weiter zur nächsten Seite\" blättern Sie Seite für Seite "
                       "durch die Lektionen."),
        rule,
        QStringLiteral("ZIELRICHTUNG DES PROGRAMMS"),
        QString(),
        QStringLiteral("Das Programm ist eine Lernhilfe für die asymptotischen Näherungen im Bode-Diagramm. Sie lernen, "
                       "den Betrag und den Winkel eines Frequenzgangs mit Polygonzügen schnell und sicher zu "
                       "zeichnen, aus gegebenen Verläufen abzulesen und umgekehrt aus einem Bode-Diagramm die "
                       "Übertragungs-Funktion zu ermitteln."),
        QStringLiteral("Behandelt werden ausschließlich Übertragungs-Funktionen G(s) von linearen Systemen, die"),
        QStringLiteral("   o  stabil sind,"),
        QStringLiteral("   o  zeitkontinuierlich arbeiten,"),
        QStringLiteral("   o  durch gebrochen rationale Funktionen beschrieben werden und"),
        QStringLiteral("   o  Pol- und Nullstellen nur bei reellen Werten von  s  oder im Unendlichen besitzen."),
        rule,
        QStringLiteral("VORAUSSETZUNGEN"),
        QString(),
        QStringLiteral("Das Programm setzt die Grundlagen voraus, die in den Lehrveranstaltungen der ersten Semester "
                       "eines elektrotechnischen Studiums vermittelt werden: Mathematik, Wechselstromnetzwerke, "
                       "Signale und Systeme, elektronische Schaltungen und Regelungstechnik."),
        QStringLiteral("Die Lektion 1 wiederholt das Wichtigste davon in knapper Form: das Rechnen mit Logarithmen und "
                       "Dezibel, komplexe Zahlen, die Normierung sowie Übertragungs-Funktionen mit ihren Pol- und "
                       "Nullstellen und den Frequenzgang."),
        rule,
        QStringLiteral("ERFORDERLICHE AUFLÖSUNG DES BILDSCHIRMS, DRUCKER"),
        QString(),
        QStringLiteral("Die Seiten des Programms sind für eine Bildschirm-Auflösung von  1280 x 1024 Bildpunkte  "
                       "ausgelegt. Auf einem kleineren Bildschirm wird das ganze Fenster passend verkleinert; mit der "
                       "Maus ziehen Sie es auf jede Größe, und Größe und Zoom bleiben für den nächsten Start erhalten. Mit "
                       "Strg + Plus, Strg + Minus und Strg + 0 stellen Sie die Größe jederzeit selbst ein; Alt + "
                       "Pfeil rechts und Alt + Pfeil links blättern die Seiten um."),
        QStringLiteral("Ab der Lektion 5 zeichnen Sie selbst Bode-Diagramme. Ist ein Drucker für das Format DIN A4 "
                       "angeschlossen, druckt Ihnen das Programm dafür die passenden Diagramm-Formulare aus, in die "
                       "Sie Ihre Lösungen maßstäblich eintragen können. Ist kein Drucker eingerichtet, wird das "
                       "Blatt als PDF-Datei im Ordner \"Dokumente\" gespeichert."),
    };
    return memo_text::lines(lines);
}

void TForm1::intro_page()
{
    page_id = QStringLiteral("00_01");
    P_Wahl->hide();
    M_text->setHeight(926);
    M_text->show();
    M_text->clear();
    draw_page_frame(QStringLiteral("Allgemeines, Zielrichtung des Programms, Voraussetzungen"),
                    QStringLiteral("01.10.08"), 970, true);
    M_text->setText(introduction());
    {
        const platform::ScopedPen pen(Canvas, Qt::black, 2);
        Canvas.rectangle(600, 1, 1267, 970);
    }
    P_Wahl->show();
    ::draw_chart(true, true);
    RG_Wahl->setItemIndex(-1);
}

void TForm1::B_EndeClick()
{
    host_->window()->close();
}

void TForm1::show_canvas_changes()
{
    canvas_changes_posted_ = false;
    for (const QRect& r : Canvas.takeChanges())
        update(r.adjusted(-3, -3, 3, 3));
}

void TForm1::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Device pixels per layout pixel: the display's ratio times the zoom.
    const double scale = p.deviceTransform().m11();
    if (std::abs(scale - 1.0) < 1e-9) {
        p.drawImage(0, 0, image_);
        return;
    }
    // The drawing rendered at the device's resolution, put down one image
    // pixel to one device pixel.
    const QImage& sharp = Canvas.sharpImage(scale);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRectF(0, 0, sharp.width() / scale, sharp.height() / scale), sharp);
}

void TForm1::mousePressEvent(QMouseEvent* e)
{
    MouseButton button;
    switch (e->button()) {
    case Qt::LeftButton: button = MouseButton::Left; break;
    case Qt::RightButton: button = MouseButton::Right; break;
    default: button = MouseButton::Middle; break;
    }
    // Only a button alone counts: no modifier key and no other button held.
    const bool alone = e->modifiers() == Qt::NoModifier && e->buttons() == e->button();
    // The click is taken at the centre of the screen pixel under the mouse,
    // at any zoom and device pixel ratio.
    const QPoint pos = host_->layoutPixel(e);
    maus_down(button, alone, pos.x(), pos.y());
}

void TForm1::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = host_->layoutPixel(e);
    show_readout(pos.x(), pos.y());
}

void TForm1::leaveEvent(QEvent*)
{
    hide_readout();
}

void TForm1::hide_readout()
{
    readout_->hide();
}

void TForm1::show_readout(int x, int y)
{
    const bool exercise = point_mode || line_mode || constant_mode || P_punkt->isVisible();
    const bool questions = P_aufgaben->isVisible();
    const bool magnitude = magnitude_shown && y >= mag_top && y <= mag_bottom;
    const bool phase = phase_shown && y >= phase_top && y <= phase_bottom;
    if (((exercise || questions) && !answers_checked) || x < chart_left || x > chart_right || (!magnitude && !phase)) {
        hide_readout();
        return;
    }
    const QString freq = QStringLiteral("%1 = %2").arg(chart.axis_f ? QStringLiteral("f") : QStringLiteral("w"),
                                                       numfmt::sci(x_to_freq(x), 2));
    const QString value = magnitude ? QStringLiteral("Betrag = %1 dB").arg(numfmt::fixed(y_to_db(y), 2))
                                    : QStringLiteral("Winkel = %1°").arg(numfmt::fixed(y_to_phase(y), 1));
    readout_->setText(QStringLiteral("Unter dem Mauszeiger:   ") + freq + QStringLiteral("     ") + value);
    readout_->adjustSize();
    readout_->show();
}
