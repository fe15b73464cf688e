// The window layout: every control of the main window with its position,
// size, colour, font and text as they stand after start-up.
#include "app/Unit1.h"

using namespace platform;

void TForm1::build_layout()
{
    setObjectName(QStringLiteral("Form1"));
    setFont(controlFont(QStringLiteral("MS Sans Serif"), -11));
    const QFont arial18 = controlFont(QStringLiteral("Arial"), 18);

    // Direct children; a later one lies on top of an earlier one.
    M_text = new Memo(this, QStringLiteral("M_text"), QRect(601, 41, 664, 959), window_color, true);
    M_text->setFont(arial18);

    P_Wahl = new Panel(this, QStringLiteral("P_Wahl"), QRect(2, 786, 596, 184), sky_blue);
    RG_Wahl = new RadioGroup(P_Wahl, QStringLiteral("RG_Wahl"), QRect(20, 16, 560, 105),
                             QStringLiteral("      Wahl der Lektion     "),
                             {QStringLiteral("1. Vereinbarungen, Mathematische Grundlagen"),
                              QStringLiteral("2. Einführung in das Bode-Diagramm"),
                              QStringLiteral("3. Punkte im Bode-Diagramm"),
                              QStringLiteral("4. Linien im Bode-Diagramm"),
                              QStringLiteral("5. Elementare Frequenzabhängigkeiten"),
                              QStringLiteral("6. Funktionen mit  | G ( w -> 0 ) | = konstant"),
                              QStringLiteral("7. Funktionen mit  | G ( w -> 0 ) | # konstant"),
                              QStringLiteral("8. Abschließende Beispiele")},
                             2);
    B_links = new Button(P_Wahl, QStringLiteral("B_links"), QRect(24, 140, 150, 25),
                         QStringLiteral("Zurück zur letzten Seite"));
    B_rechts = new Button(P_Wahl, QStringLiteral("B_rechts"), QRect(220, 140, 150, 25),
                          QStringLiteral("Weiter zur nächsten Seite"));
    B_Ende = new Button(P_Wahl, QStringLiteral("B_Ende"), QRect(425, 140, 150, 25),
                        QStringLiteral("Beenden"));

    P_aufgaben = new Panel(this, QStringLiteral("P_aufgaben"), QRect(601, 38, 664, 930), sky_blue);
    P_aufgaben->setFont(controlFont(QStringLiteral("Arial"), -12));
    for (int k = 1; k <= 5; ++k) {
        const int top = 5 + 162 * (k - 1);
        Memo_A[k] = new Memo(P_aufgaben, QStringLiteral("Memo_A%1").arg(k), QRect(5, top, 445, 85),
                             window_color, true);
        CB_A[k] = new ComboBox(P_aufgaben, QStringLiteral("CB_A%1").arg(k), QRect(460, top, 195, 23), 10, 9);
        l_loes[k] = new Label(P_aufgaben, QStringLiteral("l_loes%1").arg(k), QPoint(460, 45 + 162 * (k - 1)));
        const QRect solution = k < 5 ? QRect(5, 87 + 162 * (k - 1), 445, 70) : QRect(5, 735, 445, 90);
        Memo_L[k] = new Memo(P_aufgaben, QStringLiteral("Memo_L%1").arg(k), solution, window_color, true);
        Memo_L[k]->setKeepAllLines(true);
    }
    B_auswert = new Button(P_aufgaben, QStringLiteral("B_auswert"), QRect(18, 835, 190, 25),
                           QStringLiteral("Auswertung der Aufgaben"));
    B_loes = new Button(P_aufgaben, QStringLiteral("B_loes"), QRect(235, 835, 190, 25),
                        QStringLiteral("Lösungen anzeigen"));
    B_text = new Button(P_aufgaben, QStringLiteral("B_text"), QRect(455, 835, 190, 25),
                        QStringLiteral("Texte zu den Lösungen"));

    P_lektion = new Panel(P_aufgaben, QStringLiteral("P_lektion"), QRect(10, 867, 640, 25), money_green);
    Label4 = new Label(P_lektion, QStringLiteral("Label4"), QPoint(45, 3), QStringLiteral("In dieser Lektion haben Sie bisher "));
    l_lekt_bearb = new Label(P_lektion, QStringLiteral("l_lekt_bearb"), QPoint(244, 3));
    Label11 = new Label(P_lektion, QStringLiteral("Label11"), QPoint(278, 3), QStringLiteral("Aufgaben bearbeitet und davon "));
    l_lekt_ok = new Label(P_lektion, QStringLiteral("l_lekt_ok"), QPoint(466, 3));
    Label14 = new Label(P_lektion, QStringLiteral("Label14"), QPoint(496, 3), QStringLiteral("gelöst  ( "));
    l_lekt_proz = new Label(P_lektion, QStringLiteral("l_lekt_proz"), QPoint(554, 3));
    // The percentage keeps two pixels clear of the "%" behind it.
    l_lekt_proz->setMaxTextWidth(584 - 554 - 2);
    Label15 = new Label(P_lektion, QStringLiteral("Label15"), QPoint(584, 3), QStringLiteral("%  )"));

    P_gesamt = new Panel(P_aufgaben, QStringLiteral("P_gesamt"), QRect(10, 896, 640, 25), money_green);
    Label5 = new Label(P_gesamt, QStringLiteral("Label5"), QPoint(31, 3), QStringLiteral("In allen Lektionen haben Sie bisher"));
    l_ges_bearb = new Label(P_gesamt, QStringLiteral("l_ges_bearb"), QPoint(242, 3));
    Label8 = new Label(P_gesamt, QStringLiteral("Label8"), QPoint(278, 3), QStringLiteral("Aufgaben bearbeitet und  davon"));
    l_ges_ok = new Label(P_gesamt, QStringLiteral("l_ges_ok"), QPoint(466, 3));
    Label9 = new Label(P_gesamt, QStringLiteral("Label9"), QPoint(496, 3), QStringLiteral("gelöst   ("));
    l_ges_proz = new Label(P_gesamt, QStringLiteral("l_ges_proz"), QPoint(554, 3));
    l_ges_proz->setMaxTextWidth(584 - 554 - 2);
    Label10 = new Label(P_gesamt, QStringLiteral("Label10"), QPoint(584, 3), QStringLiteral("%  )"));

    P_punkt = new Panel(this, QStringLiteral("P_punkt"), QRect(601, 626, 664, 342), sky_blue);
    l_pkt_ueber = new Label(P_punkt, QStringLiteral("l_pkt_ueber"), QPoint(50, 15));
    l_pkt_freq = new Label(P_punkt, QStringLiteral("l_pkt_freq"), QPoint(50, 50));
    E_freq = new Edit(P_punkt, QStringLiteral("E_freq"), QRect(190, 47, 100, 21));
    E_freq->setKeepSelection(true);
    l_pkt_wert1 = new Label(P_punkt, QStringLiteral("l_pkt_wert1"), QPoint(320, 50));
    E_wert = new Edit(P_punkt, QStringLiteral("E_wert"), QRect(490, 47, 100, 21));
    l_pkt_mli = new Label(P_punkt, QStringLiteral("l_pkt_mli"), QPoint(50, 95));
    l_pkt_mre = new Label(P_punkt, QStringLiteral("l_pkt_mre"), QPoint(50, 125));
    B_pruef = new Button(P_punkt, QStringLiteral("B_pruef"), QRect(50, 165, 250, 25),
                         QStringLiteral("Gespeicherte Position prüfen"));
    B_neu = new Button(P_punkt, QStringLiteral("B_neu"), QRect(350, 165, 250, 25),
                       QStringLiteral("Neuen Punkt vorgeben"));
    l_pkt_loes = new Label(P_punkt, QStringLiteral("l_pkt_loes"), QPoint(50, 210));
    l_pkt_f = new Label(P_punkt, QStringLiteral("l_pkt_f"), QPoint(50, 250));
    l_pkt_wert2 = new Label(P_punkt, QStringLiteral("l_pkt_wert2"), QPoint(300, 250));
    l_pkt_bem_f = new Label(P_punkt, QStringLiteral("l_pkt_bem_f"), QPoint(120, 275));
    l_pkt_bem_wert = new Label(P_punkt, QStringLiteral("l_pkt_bem_wert"), QPoint(370, 275));
    P_statistik = new Panel(P_punkt, QStringLiteral("P_statistik"), QRect(30, 300, 590, 25), money_green);
    QWidget::setTabOrder(E_freq, E_wert);
    QWidget::setTabOrder(E_wert, B_pruef);
    QWidget::setTabOrder(B_pruef, B_neu);

    P_diag = new Panel(this, QStringLiteral("P_diag"), QRect(601, 905, 664, 63), sky_blue);
    B_next = new Button(P_diag, QStringLiteral("B_next"), QRect(18, 20, 190, 25),
                        QStringLiteral("Nächste Teilaufgabe"));
    B_ergeb = new Button(P_diag, QStringLiteral("B_ergeb"), QRect(235, 20, 190, 25),
                         QStringLiteral("Zwischenergebnis anzeigen"));
    B_druck = new Button(P_diag, QStringLiteral("B_druck"), QRect(455, 20, 190, 25),
                         QStringLiteral("Diagrammblatt ausdrucken"));

    // The subtask memo ends where the result memo begins, so that the result
    // memo, lying on top, hides none of its lines or its scroll bar.
    M_teilaufg = new Memo(this, QStringLiteral("M_teilaufg"), QRect(601, 325, 664, 230), light_yellow, false);
    M_teilaufg->setFont(arial18);
    M_teilloes = new Memo(this, QStringLiteral("M_teilloes"), QRect(601, 555, 664, 350), pale_green_grey, false);
    M_teilloes->setFont(arial18);

    // Below the page frame the right half is free on every page.
    B_eigen = new Button(this, QStringLiteral("B_eigen"), QRect(1047, 980, 220, 25),
                         QStringLiteral("Eigenes Beispiel konstruieren"));
    // On page 09_01 between the problem statement and the subtask memo.
    P_eigen = new Panel(this, QStringLiteral("P_eigen"), QRect(601, 193, 664, 130), sky_blue);
    l_zaehler = new Label(P_eigen, QStringLiteral("l_zaehler"), QPoint(18, 16), QStringLiteral("Zähler  :"));
    E_zaehler = new Edit(P_eigen, QStringLiteral("E_zaehler"), QRect(100, 12, 545, 24));
    l_nenner = new Label(P_eigen, QStringLiteral("l_nenner"), QPoint(18, 52), QStringLiteral("Nenner  :"));
    E_nenner = new Edit(P_eigen, QStringLiteral("E_nenner"), QRect(100, 48, 545, 24));
    B_uebernehmen = new Button(P_eigen, QStringLiteral("B_uebernehmen"), QRect(100, 90, 250, 25),
                               QStringLiteral("Funktion übernehmen"));
    B_zufall = new Button(P_eigen, QStringLiteral("B_zufall"), QRect(365, 90, 140, 25),
                          QStringLiteral("Zufällige Aufgabe"));
    CB_zufall = new ComboBox(P_eigen, QStringLiteral("CB_zufall"), QRect(515, 90, 130, 25), 4, 4);
    CB_zufall->setItem(0, QStringLiteral("leicht · Produkt"));
    CB_zufall->setItem(1, QStringLiteral("schwer · Produkt"));
    CB_zufall->setItem(2, QStringLiteral("leicht · Summe"));
    CB_zufall->setItem(3, QStringLiteral("schwer · Summe"));
    QWidget::setTabOrder(E_zaehler, E_nenner);
    QWidget::setTabOrder(E_nenner, B_uebernehmen);
    QWidget::setTabOrder(B_uebernehmen, B_zufall);
    QWidget::setTabOrder(B_zufall, CB_zufall);

    for (QWidget* w : {static_cast<QWidget*>(M_text), static_cast<QWidget*>(P_aufgaben),
                       static_cast<QWidget*>(P_punkt), static_cast<QWidget*>(P_diag),
                       static_cast<QWidget*>(M_teilaufg), static_cast<QWidget*>(M_teilloes),
                       static_cast<QWidget*>(B_eigen), static_cast<QWidget*>(P_eigen)})
        w->hide();
}
