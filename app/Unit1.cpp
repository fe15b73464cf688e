// The main window: start-up, the introductory page and quitting.
#include "app/Unit1.h"

#include "platform/numfmt.h"
#include "platform/scale_host.h"
#include "platform/system.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <cmath>

TForm1* Form1 = nullptr;

void draw_chart(bool magnitude, bool phase)
{
    draw_chart(Form1->Canvas, magnitude, phase);
}

// A rule across the memo, between the blocks of a text.
static const QString rule = QString(129, QLatin1Char('-'));

TForm1::TForm1()
    : QWidget(nullptr), image_(1280, 1024, QImage::Format_RGB32)
{
    Form1 = this;
    Canvas = platform::Canvas(&image_);
    Canvas.fill(window_color);
    Canvas.changed = [this] { update(); };
    build_layout();
    connect_handlers();
    connect_keys();
    create();
}

TForm1::~TForm1()
{
    host_.reset();
    if (Form1 == this)
        Form1 = nullptr;
}

double TForm1::zoom() const
{
    return host_ ? host_->scale() : 1.0;
}

void TForm1::setZoom(double scale)
{
    if (!host_) {
        if (scale == 1.0)
            return;
        host_ = std::make_unique<platform::ScaleHost>(this);
    }
    host_->setScale(scale);
}

QWidget* TForm1::shownWindow()
{
    return host_ ? host_->window() : this;
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
    // Ctrl+= as well: the plus sign needs Shift on many keyboards. One key
    // bound twice would fire neither.
    QList<QKeySequence> zoomIn = QKeySequence::keyBindings(QKeySequence::ZoomIn);
    if (!zoomIn.contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)))
        zoomIn << QKeySequence(Qt::CTRL | Qt::Key_Equal);
    key(zoomIn, [this] { setZoom(platform::nextZoom(zoom(), +1)); });
    key(QKeySequence::keyBindings(QKeySequence::ZoomOut), [this] { setZoom(platform::nextZoom(zoom(), -1)); });
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(start_zoom_); });
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
    connect(B_eigen, &QPushButton::clicked, this, [this] { B_eigenClick(); });
    connect(B_uebernehmen, &QPushButton::clicked, this, [this] { B_uebernehmenClick(); });
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

    const QSize screen = platform::screenSize();
    if (screen.width() != 1280 || screen.height() != 1024)
        platform::showMessage(
            platform::MessageType::Information,
            QStringLiteral("Die Darstellungen des Programms  FALKORIN\rerfordert eine Display-Auflösung von\r\r"
                           "  >  1280 pixel * 1024 pixel  <\r\rBei kleineren Auflösungen wird nur ein Ausschnitt\r"
                           "der Seiten dargestellt und ein sinnvolles Arbeiten\rmit dem Programm ist  N I C H T  möglich."));

    // The window's client area is the 1280 x 1024 layout.
    resize(1280, 1024);
    const int top = screen.height() == 1024 ? 0 : (screen.height() - platform::captionHeight - 1024) / 2;
    const int left = (screen.width() - 1280) / 2;
    move(left, top);
    setWindowTitle(QStringLiteral("FALKORIN  -  Lernprogramm zum Bode-Diagramm"));
    // A smaller screen shows the whole layout scaled down rather than a part of it.
    start_zoom_ = platform::fitScale(screen, platform::availableArea(), size());
    if (start_zoom_ < 1.0)
        setZoom(start_zoom_);
    else
        show();

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
                       "ausgelegt. Auf einem kleineren Bildschirm wird das ganze Fenster passend verkleinert. Mit "
                       "Strg + Plus, Strg + Minus und Strg + 0 stellen Sie die Größe jederzeit selbst ein; Alt + "
                       "Pfeil rechts und Alt + Pfeil links blättern die Seiten um."),
        QStringLiteral("Ab der Lektion 5 zeichnen Sie selbst Bode-Diagramme. Ist ein Drucker für das Format DIN A4 "
                       "angeschlossen, druckt Ihnen das Programm dafür die passenden Diagramm-Formulare aus, in die "
                       "Sie Ihre Lösungen maßstäblich eintragen können. Ist kein Drucker eingerichtet, wird das "
                       "Blatt als PDF-Datei im Ordner \"Dokumente\" gespeichert."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void TForm1::intro_page()
{
    lesson_page_count = {0, 14, 7, 1, 1, 13, 6, 4, 3};
    if (escape_pressed) {
        escape_pressed = false;
    } else {
        total_answered = 0;
        total_solved = 0;
    }
    page_id = QStringLiteral("00_01");
    P_Wahl->hide();
    M_text->setHeight(926);
    M_text->show();
    M_text->clear();
    draw_page_frame(QStringLiteral("Allgemeines, Zielrichtung des Programms, Voraussetzungen"),
                    QStringLiteral("01.10.08"));
    M_text->setText(introduction());
    Canvas.pen.width = 2;
    Canvas.rectangle(600, 1, 1267, 970);
    Canvas.pen.width = 1;
    P_Wahl->show();
    ::draw_chart(true, true);
    RG_Wahl->setItemIndex(-1);
}

void TForm1::B_EndeClick()
{
    close();
    if (host_)
        host_->window()->close();
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
    // The click is taken at the centre of the screen pixel under the mouse.
    // In the scaled view, positions arrive in layout units from whole pixels
    // of the view. On the display itself the local position is rounded to
    // whole layout pixels, so at a device pixel ratio above 1 the global
    // position, which keeps the fraction, tells the device pixel.
    const double unit = host_ ? host_->scale() : devicePixelRatioF();
    const QPointF at = host_ ? e->position() : mapFromGlobal(e->globalPosition());
    const QPoint pos = platform::layoutPixel(at * unit, unit);
    maus_down(button, alone, pos.x(), pos.y());
}
