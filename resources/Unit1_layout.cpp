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
    M_text = new Memo(this, QStringLiteral("M_text"), QRect(601, 41, 664, 959), window_color);
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
    // Right under the chart's last line, above the lesson choice: free on
    // every page.
    readout_ = new Label(P_Wahl, QStringLiteral("l_readout"), QPoint(20, 1));
    readout_->hide();

    P_aufgaben = new Panel(this, QStringLiteral("P_aufgaben"), QRect(601, 38, 664, 930), sky_blue);
    P_aufgaben->setFont(controlFont(QStringLiteral("Arial"), -12));
    for (int k = 1; k <= 5; ++k) {
        const int top = 5 + 162 * (k - 1);
        Memo_A[k] = new Memo(P_aufgaben, QStringLiteral("Memo_A%1").arg(k), QRect(5, top, 445, 85),
                             window_color);
        CB_A[k] = new ComboBox(P_aufgaben, QStringLiteral("CB_A%1").arg(k), QRect(460, top, 195, 23), 10, 9);
        l_loes[k] = new Label(P_aufgaben, QStringLiteral("l_loes%1").arg(k), QPoint(460, 45 + 162 * (k - 1)));
        const QRect solution = k < 5 ? QRect(5, 87 + 162 * (k - 1), 445, 70) : QRect(5, 735, 445, 90);
        Memo_L[k] = new Memo(P_aufgaben, QStringLiteral("Memo_L%1").arg(k), solution, window_color);
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
    // The check of a polygon drawn on screen sits in the strip above the
    // result button, its statistics in the strip below the buttons, so that
    // the panel keeps its size and the three buttons their places.
    B_zeichnung = new Button(P_diag, QStringLiteral("B_zeichnung"), QRect(235, 0, 190, 19),
                             QStringLiteral("Zeichnung prüfen"));
    P_zeichn_statistik = new Panel(P_diag, QStringLiteral("P_zeichn_statistik"), QRect(18, 47, 627, 15), money_green);
    QWidget::setTabOrder(B_next, B_zeichnung);
    QWidget::setTabOrder(B_zeichnung, B_ergeb);
    QWidget::setTabOrder(B_ergeb, B_druck);
    B_zeichnung->hide();
    P_zeichn_statistik->hide();

    // The subtask memo ends where the result memo begins, so that the result
    // memo, lying on top, hides none of its lines or its scroll bar.
    M_teilaufg = new Memo(this, QStringLiteral("M_teilaufg"), QRect(601, 325, 664, 230), light_yellow);
    M_teilaufg->setFont(arial18);
    M_teilaufg->setShowWhole(true);
    M_teilloes = new Memo(this, QStringLiteral("M_teilloes"), QRect(601, 555, 664, 350), pale_green_grey);
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

    // The page's place, centred in the gap between the lesson choice and
    // the page buttons.
    L_seite = new Label(P_Wahl, QStringLiteral("L_seite"), QPoint(24, 123));
    // Below the navigation panel, under the page buttons, free on every page.
    B_inhalt = new Button(this, QStringLiteral("B_inhalt"), QRect(26, 984, 150, 25),
                          QStringLiteral("Inhaltsverzeichnis"));
    B_lernstand = new Button(this, QStringLiteral("B_lernstand"), QRect(222, 984, 150, 25),
                             QStringLiteral("Lernstand drucken"));
    // On the introductory page below the frame, left of "Eigenes Beispiel".
    P_fortschritt = new Panel(this, QStringLiteral("P_fortschritt"), QRect(601, 974, 440, 46), sky_blue);
    L_zuletzt = new Label(P_fortschritt, QStringLiteral("L_zuletzt"), QPoint(8, 5));
    L_bilanz = new Label(P_fortschritt, QStringLiteral("L_bilanz"), QPoint(8, 24));
    for (Label* l : {L_zuletzt, L_bilanz})
        l->setMaxTextWidth(244);
    B_weiter = new Button(P_fortschritt, QStringLiteral("B_weiter"), QRect(254, 11, 180, 25),
                          QStringLiteral("Weiter, wo ich aufgehört habe"));
    P_fortschritt->hide();
    // Under each drop-down list, above the label of the correct option.
    for (int k = 1; k <= 5; ++k)
        L_marke[k] = new Mark(P_aufgaben, QStringLiteral("L_marke%1").arg(k), QRect(460, 30 + 162 * (k - 1), 195, 14));
    describe_controls();

    for (QWidget* w : {static_cast<QWidget*>(M_text), static_cast<QWidget*>(P_aufgaben),
                       static_cast<QWidget*>(P_punkt), static_cast<QWidget*>(P_diag),
                       static_cast<QWidget*>(M_teilaufg), static_cast<QWidget*>(M_teilloes),
                       static_cast<QWidget*>(B_eigen), static_cast<QWidget*>(P_eigen)})
        w->hide();
}

// What each control is called for a screen reader and what its tooltip
// says it does. Buttons and labels of fixed text are named by their text;
// the keys a student may use instead of the mouse are named with them.
void TForm1::describe_controls()
{
    const auto tip = [](QWidget* w, const QString& text) { w->setToolTip(text); };
    const auto name = [](QWidget* w, const QString& text) { w->setAccessibleName(text); };

    tip(B_links, QStringLiteral("Blättert zur vorigen Seite zurück (Alt + Z oder Alt + Pfeil links)"));
    tip(B_rechts, QStringLiteral("Blättert zur nächsten Seite weiter (Alt + W oder Alt + Pfeil rechts)"));
    tip(B_Ende, QStringLiteral("Beendet das Programm (Alt + B)"));
    tip(RG_Wahl, QStringLiteral("Wählt die Lektion, die Sie bearbeiten wollen, und zeigt ihre erste Seite"));
    tip(B_auswert, QStringLiteral("Bewertet Ihre Antworten auf dieser Seite und zählt sie in die Statistik (Alt + A)"));
    tip(B_loes, QStringLiteral("Zeigt zu jeder Aufgabe die richtige Antwort"));
    tip(B_text, QStringLiteral("Zeigt zu jeder Aufgabe den Text, der die Lösung erklärt"));
    tip(B_pruef, QStringLiteral("Prüft Ihre Antwort und zeigt die Lösung (Alt + P)"));
    tip(B_neu, QStringLiteral("Stellt eine neue Aufgabe dieser Übung; eine noch nicht übernommene Eingabe wird "
                              "verworfen"));
    tip(B_next, QStringLiteral("Zeigt die nächste Teilaufgabe der Konstruktion"));
    tip(B_ergeb, QStringLiteral("Zeigt das Zwischenergebnis der aktuellen Teilaufgabe und zeichnet es ins Diagramm"));
    tip(B_zeichnung, QStringLiteral("Bewertet den Polygonzug, den Sie zu dieser Teilaufgabe ins Bode-Diagramm "
                                    "gezeichnet haben: linke Maustaste setzt den nächsten Eckpunkt, rechte Maustaste "
                                    "nimmt den letzten zurück"));
    tip(B_druck, QStringLiteral("Druckt das Diagrammblatt zu diesem Beispiel für die Konstruktion von Hand (Strg + P)"));
    tip(B_eigen, QStringLiteral("Öffnet eine Seite, auf der Sie eine eigene Übertragungs-Funktion G(s) konstruieren"));
    tip(B_uebernehmen, QStringLiteral("Übernimmt Zähler und Nenner und beginnt die Konstruktion"));
    tip(B_zufall, QStringLiteral("Füllt Zähler und Nenner mit einer zufälligen Übungsfunktion und beginnt ihre "
                                 "Konstruktion"));
    tip(CB_zufall, QStringLiteral("Stufe und Form der zufälligen Übungsfunktion: leicht oder schwer ( doppelte "
                                  "Wurzeln, negatives K, Allpass ), als Produkt oder als Summe"));
    name(CB_zufall, QStringLiteral("Stufe und Form der zufälligen Aufgabe"));
    const QString keys = QStringLiteral("; Enter: weiter zum nächsten Feld, Esc: Übung verlassen");
    tip(E_freq, QStringLiteral("Eingabe des ersten Werts der Aufgabe (Frequenz oder Verhältnis f end / f anf)") + keys);
    tip(E_wert, QStringLiteral("Eingabe des zweiten Werts der Aufgabe (Betrag, Winkel oder Steigung)") + keys);
    tip(E_zaehler, QStringLiteral("Zähler von G(s) als Polynom in s, z. B. 10 * (1 + s); Enter: weiter zum Nenner"));
    tip(E_nenner, QStringLiteral("Nenner von G(s) als Polynom in s, z. B. (1 + 0.1 s) * (1 + s); Enter: übernehmen"));
    for (int k = 1; k <= 5; ++k) {
        tip(CB_A[k], QStringLiteral("Wählen Sie Ihre Antwort auf die Aufgabe %1").arg(k));
        name(CB_A[k], QStringLiteral("Antwort auf Aufgabe %1").arg(k));
        name(Memo_A[k], QStringLiteral("Aufgabe %1").arg(k));
        name(Memo_L[k], QStringLiteral("Lösungstext zu Aufgabe %1").arg(k));
        name(l_loes[k], QStringLiteral("Bewertung der Antwort auf Aufgabe %1").arg(k));
    }

    name(this, QStringLiteral("FALKORIN"));
    name(M_text, QStringLiteral("Text der Seite"));
    name(M_teilaufg, QStringLiteral("Teilaufgabe"));
    name(M_teilloes, QStringLiteral("Zwischenergebnis"));
    name(P_Wahl, QStringLiteral("Navigation"));
    name(RG_Wahl, QStringLiteral("Wahl der Lektion"));
    name(P_aufgaben, QStringLiteral("Aufgaben"));
    name(P_lektion, QStringLiteral("Statistik dieser Lektion"));
    name(l_lekt_bearb, QStringLiteral("In dieser Lektion bearbeitete Aufgaben"));
    name(l_lekt_ok, QStringLiteral("In dieser Lektion gelöste Aufgaben"));
    name(l_lekt_proz, QStringLiteral("In dieser Lektion gelöst, in Prozent"));
    name(P_gesamt, QStringLiteral("Statistik aller Lektionen"));
    name(l_ges_bearb, QStringLiteral("In allen Lektionen bearbeitete Aufgaben"));
    name(l_ges_ok, QStringLiteral("In allen Lektionen gelöste Aufgaben"));
    name(l_ges_proz, QStringLiteral("In allen Lektionen gelöst, in Prozent"));
    name(P_punkt, QStringLiteral("Übung"));
    name(l_pkt_ueber, QStringLiteral("Aufgabenstellung der Übung"));
    name(l_pkt_freq, QStringLiteral("Bezeichnung des ersten Eingabefelds"));
    name(E_freq, QStringLiteral("Erster Wert"));
    name(l_pkt_wert1, QStringLiteral("Bezeichnung des zweiten Eingabefelds"));
    name(E_wert, QStringLiteral("Zweiter Wert"));
    name(l_pkt_mli, QStringLiteral("Hinweis zur linken Maustaste"));
    name(l_pkt_mre, QStringLiteral("Hinweis zur rechten Maustaste"));
    name(l_pkt_loes, QStringLiteral("Lösung"));
    name(l_pkt_f, QStringLiteral("Lösung, erster Wert"));
    name(l_pkt_wert2, QStringLiteral("Lösung, zweiter Wert"));
    name(l_pkt_bem_f, QStringLiteral("Bewertung des ersten Werts"));
    name(l_pkt_bem_wert, QStringLiteral("Bewertung des zweiten Werts"));
    name(P_statistik, QStringLiteral("Statistik der Übung"));
    name(P_diag, QStringLiteral("Konstruktion"));
    name(P_zeichn_statistik, QStringLiteral("Statistik der gezeichneten Teilaufgaben"));
    name(P_eigen, QStringLiteral("Eigenes Beispiel"));
    name(E_zaehler, QStringLiteral("Zähler"));
    name(E_nenner, QStringLiteral("Nenner"));
    name(readout_, QStringLiteral("Werte unter dem Mauszeiger"));

    tip(B_inhalt, QStringLiteral("Zeigt alle Seiten mit Ihrem Lernstand; jede Seite lässt sich von dort öffnen (F2)"));
    tip(B_lernstand, QStringLiteral("Druckt Ihren Lernstand auf ein A4-Blatt, zum Beispiel für die Lehrkraft"));
    tip(B_weiter, QStringLiteral("Öffnet die Seite, auf der Sie zuletzt waren"));
    name(L_seite, QStringLiteral("Ort der Seite im Kurs"));
    name(P_fortschritt, QStringLiteral("Ihr Lernstand"));
    name(L_zuletzt, QStringLiteral("Zuletzt geöffnete Seite"));
    name(L_bilanz, QStringLiteral("Gesehene Seiten und gelöste Aufgaben"));
    for (int k = 1; k <= 5; ++k)
        name(L_marke[k], QStringLiteral("Ergebnis der Aufgabe %1").arg(k));
}
