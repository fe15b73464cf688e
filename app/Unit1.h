#pragma once
// The main window: every lesson page is drawn in it, by page functions that
// act on the program-wide state (app/state.h) and on the controls below.
#include "app/progress.h"
#include "app/state.h"
#include "chart/chart.h"
#include "platform/canvas.h"
#include "platform/controls.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>

class QGraphicsView;
namespace platform { class Edit; class Mark; class ScaleHost; }

// Panel colours.
inline const QColor sky_blue(166, 202, 240);
inline const QColor money_green(192, 220, 192);
inline const QColor light_yellow(255, 255, 136);
inline const QColor pale_green_grey(198, 224, 217);
inline const QColor window_color(255, 255, 255);

class TForm1 : public QWidget {
public:
    // The progress of the course is read from and kept in `store`; without
    // one nothing is read or written.
    explicit TForm1(std::unique_ptr<ProgressStore> store = nullptr);
    ~TForm1() override;

    // The window's drawing surface: a retained image under the controls.
    platform::Canvas Canvas;
    const QImage& image() const { return image_; }

    // Controls, named as in the window layout.
    platform::Memo* M_text;
    platform::Panel* P_Wahl;
    platform::RadioGroup* RG_Wahl;
    platform::Button* B_links;
    platform::Button* B_rechts;
    platform::Button* B_Ende;

    platform::Panel* P_aufgaben;
    std::array<platform::Memo*, 6> Memo_A{};    // [1..5]
    std::array<platform::ComboBox*, 6> CB_A{};  // [1..5]
    std::array<platform::Label*, 6> l_loes{};   // [1..5]
    std::array<platform::Memo*, 6> Memo_L{};    // [1..5]
    platform::Button* B_auswert;
    platform::Button* B_loes;
    platform::Button* B_text;
    platform::Panel* P_lektion;
    platform::Label* Label4;
    platform::Label* l_lekt_bearb;
    platform::Label* Label11;
    platform::Label* l_lekt_ok;
    platform::Label* Label14;
    platform::Label* l_lekt_proz;
    platform::Label* Label15;
    platform::Panel* P_gesamt;
    platform::Label* Label5;
    platform::Label* l_ges_bearb;
    platform::Label* Label8;
    platform::Label* l_ges_ok;
    platform::Label* Label9;
    platform::Label* l_ges_proz;
    platform::Label* Label10;

    platform::Panel* P_punkt;
    platform::Label* l_pkt_ueber;
    platform::Label* l_pkt_freq;
    platform::Edit* E_freq;
    platform::Label* l_pkt_wert1;
    platform::Edit* E_wert;
    platform::Label* l_pkt_mli;
    platform::Label* l_pkt_mre;
    platform::Button* B_pruef;
    platform::Button* B_neu;
    platform::Label* l_pkt_loes;
    platform::Label* l_pkt_f;
    platform::Label* l_pkt_wert2;
    platform::Label* l_pkt_bem_f;
    platform::Label* l_pkt_bem_wert;
    platform::Panel* P_statistik;

    platform::Panel* P_diag;
    platform::Button* B_next;
    platform::Button* B_ergeb;
    platform::Button* B_druck;
    // Rating the step's polygon drawn on screen, and its statistics line.
    platform::Button* B_zeichnung;
    platform::Panel* P_zeichn_statistik;

    platform::Memo* M_teilaufg;
    platform::Memo* M_teilloes;

    // The student's own example: the way in below the page frame, and the
    // fields in which G(s) is typed on page 09_01.
    platform::Button* B_eigen;
    platform::Panel* P_eigen;
    platform::Label* l_zaehler;
    platform::Edit* E_zaehler;
    platform::Label* l_nenner;
    platform::Edit* E_nenner;
    platform::Button* B_uebernehmen;
    // A random practice function, of the level and form chosen beside it.
    platform::Button* B_zufall;
    platform::ComboBox* CB_zufall;

    // The progress of the course: the page's place in the navigation panel;
    // below it the contents and the record for the teacher; on the
    // introductory page the way back to the last page, with a summary; and
    // beside each drop-down list whether its answer was right.
    platform::Label* L_seite;
    platform::Button* B_inhalt;
    platform::Button* B_lernstand;
    platform::Panel* P_fortschritt;
    platform::Label* L_zuletzt;
    platform::Label* L_bilanz;
    platform::Button* B_weiter;
    std::array<platform::Mark*, 6> L_marke{}; // [1..5]
    void B_inhaltClick();
    void B_lernstandClick();
    void B_weiterClick();

    // Start-up and the introductory page.
    void create();
    void intro_page();
    void B_EndeClick();

    // The scale the layout is shown at (fitted to the free screen area at
    // start-up, at most 1:1, or as kept from the last run; resizing the
    // window, Ctrl+Plus, Ctrl+Minus and Ctrl+0 change it), the window that
    // shows it and the scaled view while the layout is not shown 1:1.
    double zoom() const;
    void setZoom(double scale);
    QWidget* shownWindow();
    QGraphicsView* scaledView();

    // Page state and navigation.
    void show_page(int lesson, int page);
    void lektion_wahl();
    void B_linksClick();
    void B_rechtsClick();
    void set_buttons(int lesson_panel, int total_panel, int evaluate, int solutions, int texts,
                     int next, int interim, int print);
    void clear_solutions();
    void clear_point_fields();
    // `own_example_button` shows the way into the own example below the frame.
    void draw_page_frame(const QString& title, const QString& date, int frame_bottom = 970,
                         bool own_example_button = false);

    // Task panel and scoring.
    void B_auswertClick();
    void B_loesClick();
    void B_textClick();
    void show_statistics();

    // Numeric input fields.
    // The longest entry a field takes: room for any number a student would
    // write out, while a pasted page of text stays out.
    static constexpr int max_entry_length = 100;
    // How much of a wrong entry a message quotes, so that the box always
    // fits the screen.
    static constexpr int max_quoted_length = 40;
    // Ends every message about a wrong entry: the ways on from there.
    inline static const QString entry_hint =
        QStringLiteral("\r\rBitte korrigieren Sie die Eingabe oder leeren Sie das Feld.\r"
                       "Mit  Esc  verlassen Sie die Aufgabe und kehren zur Startseite zurück.");
    void E_Exit(platform::Edit* field);
    bool E_KeyPress(platform::Edit* field, int key);
    void E_freq_click();
    void E_wert_click();
    void check_freq_field(platform::Edit* field);
    void check_value_field(platform::Edit* field);

    // Mouse exercises.
    enum class MouseButton { Left, Right, Middle };
    // shift_empty: no modifier key and no other button held.
    void maus_down(MouseButton button, bool shift_empty, int x, int y);
    void B_pruefClick();
    void B_neuClick();

    // Guided construction and the printed sheet.
    void B_nextClick();
    void B_ergebClick();
    void B_druckClick();
    void B_zeichnungClick();

    // The values under the mouse in a line under the chart, where they give
    // nothing away: everywhere but on exercise and question pages, and there
    // once the answers are checked (answers_checked, cleared by every page
    // and every new task).
    bool answers_checked = false;
    // The diagrams the page has drawn (pages without one show pictures there).
    bool magnitude_shown = false;
    bool phase_shown = false;
    void show_readout(int x, int y);
    void hide_readout();
    platform::Label* readout() const { return readout_; }

    // The own example: opening page 09_01 and accepting the typed function.
    void B_eigenClick();
    void B_uebernehmenClick();
    void B_zufallClick();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    void build_layout();
    void describe_controls();
    void connect_handlers();
    void connect_keys();
    void show_canvas_changes();
    bool canvas_changes_posted_ = false;
    QImage image_;
    std::unique_ptr<platform::ScaleHost> host_;
    std::unique_ptr<ProgressStore> progress_store_;
    platform::Label* readout_ = nullptr;
};

// The one main window of the program.
extern TForm1* Form1;

// Draws the empty chart on the window.
void draw_chart(bool magnitude, bool phase);
