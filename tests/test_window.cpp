// Start-up, the introductory page, the screen-size notice and quitting.
#include "testutil.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

using namespace testutil;

class TestWindow : public QObject {
    Q_OBJECT
private slots:
    // The window centred in the free area; one notice, naming the scale and
    // the keys, only where the window is shown smaller than 1:1.
    void screenSizes_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QString>("notice"); // the scale named, empty: none
        QTest::addColumn<QPoint>("position");
        QTest::newRow("1280 x 1024, panel at the top") << QSize(1280, 1024) << QRect(0, 32, 1280, 992) << "94 %"
                                                       << QPoint(37, 32);
        QTest::newRow("1280 x 1024") << QSize(1280, 1024) << QRect() << "97 %" << QPoint(17, 0);
        QTest::newRow("1366 x 768") << QSize(1366, 768) << QRect() << "72 %" << QPoint(220, 0);
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QRect() << "" << QPoint(320, 14);
        QTest::newRow("1920 x 1200") << QSize(1920, 1200) << QRect() << "" << QPoint(320, 74);
        QTest::newRow("3840 x 2160") << QSize(3840, 2160) << QRect() << "" << QPoint(1280, 554);
    }
    void screenSizes()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, available);
        QFETCH(QString, notice);
        QFETCH(QPoint, position);
        auto w = newWindow(screen, available);
        QCOMPARE(int(messages().size()), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty()) {
            QCOMPARE(messages()[0].type, platform::MessageType::Information);
            QVERIFY(messages()[0].text.contains("  " + notice + "  "));
            QVERIFY(messages()[0].text.contains("Strg + Plus") && messages()[0].text.contains("Strg + Minus"));
        }
        QCOMPARE(w->shownWindow()->pos(), position);
        QCOMPARE(w->size(), QSize(1280, 1024));
    }

    void stateAfterStartup()
    {
        auto w = newWindow();
        QCOMPARE(lesson_no, 1);
        QCOMPARE(page_no, 0);
        QCOMPARE(page_id, QString("00_01"));
        QCOMPARE(w->RG_Wahl->itemIndex(), -1);
        QVERIFY(w->M_text->isVisible());
        QCOMPARE(w->M_text->geometry(), QRect(601, 41, 664, 926));
        QVERIFY(w->P_Wahl->isVisible());
        QVERIFY(!w->P_aufgaben->isVisible());
        QVERIFY(!w->P_punkt->isVisible());
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(!w->M_teilaufg->isVisible());
        QVERIFY(!w->M_teilloes->isVisible());
        QCOMPARE(double(chart.fmin), 0.001);
        QCOMPARE(double(chart.bmax), 100.0);
        QCOMPARE(chart.pmin, -90);
        QVERIFY(!chart.axis_f);
        QCOMPARE(curve_colors[2], QColor(255, 0, 255));
        QCOMPARE(readout_labels[3], QString("    Winkel in ° ="));
        QCOMPARE(slope_labels[2], QString(" Steigung in ° / Dek. ="));
        QCOMPARE(total_answered, 0);
    }

    void introductionText()
    {
        auto w = newWindow();
        const QString t = w->M_text->text();
        QVERIFY(t.startsWith("\r\n"));
        for (const char* heading : {"ALLGEMEINES", "ZIELRICHTUNG DES PROGRAMMS", "VORAUSSETZUNGEN",
                                    "ERFORDERLICHE AUFLÖSUNG DES BILDSCHIRMS, DRUCKER"})
            QVERIFY2(t.contains(QString("\r\n") + heading + "\r\n"), heading);
        QCOMPARE(t.count(QString(129, '-')), 3);
        QVERIFY(t.contains("1280 x 1024 Bildpunkte"));
        QVERIFY(t.contains("FALKORIN"));
    }

    // The window's control layout as it stands after start-up.
    void layout()
    {
        auto w = newWindow();
        QCOMPARE(w->P_Wahl->geometry(), QRect(2, 786, 596, 184));
        QCOMPARE(w->RG_Wahl->geometry(), QRect(20, 16, 560, 105));
        QCOMPARE(w->RG_Wahl->title(), QString("      Wahl der Lektion     "));
        QCOMPARE(w->RG_Wahl->button(5)->text(), QString("6. Funktionen mit  | G ( w -> 0 ) | = konstant"));
        QCOMPARE(w->B_links->geometry(), QRect(24, 140, 150, 25));
        QCOMPARE(w->B_rechts->text(), QString("Weiter zur nächsten Seite"));
        QCOMPARE(w->B_Ende->geometry(), QRect(425, 140, 150, 25));
        QCOMPARE(w->P_aufgaben->geometry(), QRect(601, 38, 664, 930));
        QCOMPARE(w->Memo_A[3]->geometry(), QRect(5, 329, 445, 85));
        QCOMPARE(w->CB_A[5]->geometry().topLeft(), QPoint(460, 653));
        QCOMPARE(w->CB_A[1]->count(), 10);
        QCOMPARE(w->CB_A[1]->maxVisibleItems(), 9);
        QCOMPARE(w->l_loes[2]->pos(), QPoint(460, 207));
        QCOMPARE(w->Memo_L[4]->geometry(), QRect(5, 573, 445, 70));
        QCOMPARE(w->Memo_L[5]->geometry(), QRect(5, 735, 445, 90));
        QCOMPARE(w->P_gesamt->geometry(), QRect(10, 896, 640, 25));
        QCOMPARE(w->l_ges_proz->pos(), QPoint(554, 3));
        QCOMPARE(w->P_punkt->geometry(), QRect(601, 626, 664, 342));
        QCOMPARE(w->E_wert->geometry(), QRect(490, 47, 100, 21));
        QCOMPARE(w->P_statistik->geometry(), QRect(30, 300, 590, 25));
        QCOMPARE(w->P_diag->geometry(), QRect(601, 905, 664, 63));
        QCOMPARE(w->B_druck->geometry(), QRect(455, 20, 190, 25));
        QCOMPARE(w->M_teilaufg->geometry(), QRect(601, 325, 664, 230));
        QCOMPARE(w->M_teilloes->geometry(), QRect(601, 555, 664, 350));
        // Later panels lie on top of earlier ones.
        const auto kids = w->children();
        QVERIFY(kids.indexOf(w->P_diag) > kids.indexOf(w->P_aufgaben));
        QVERIFY(kids.indexOf(w->P_punkt) > kids.indexOf(w->P_aufgaben));
        // Every control is found by its name.
        for (const char* name : {"M_text", "P_Wahl", "RG_Wahl", "B_links", "B_rechts", "B_Ende", "P_aufgaben",
                                 "Memo_A1", "CB_A5", "l_loes3", "Memo_L5", "B_auswert", "B_loes", "B_text",
                                 "P_lektion", "l_lekt_proz", "P_gesamt", "Label10", "P_punkt", "l_pkt_ueber",
                                 "E_freq", "E_wert", "B_pruef", "B_neu", "l_pkt_bem_wert", "P_statistik",
                                 "P_diag", "B_next", "B_ergeb", "B_druck", "M_teilaufg", "M_teilloes"})
            QVERIFY2(w->findChild<QWidget*>(name), name);
    }

    void introPageDrawing()
    {
        auto w = newWindow();
        record(*w);
        w->intro_page();
        // The page frame and header.
        const auto title = findText(*w, "Allgemeines, Zielrichtung des Programms, Voraussetzungen");
        QVERIFY(title);
        QCOMPARE(title->x1, 610);
        QCOMPARE(title->y1, 7);
        // Arial 22, made just small enough to end before the page line.
        QCOMPARE(title->font.height, 21);
        const auto header = findText(*w, "Seite 00_01     Stand 01.10.08");
        QVERIFY(header);
        QCOMPARE(header->x1, 1125);
        // Arial 12, made just small enough to stay in the frame above the rule.
        QCOMPARE(header->font.height, 10);
        QVERIFY(hasLine(*w, 600, 37, 1265, 37));
        int frames = 0;
        for (const auto& op : ops(*w, platform::CanvasOp::Rectangle))
            if (op.x1 == 600 && op.y1 == 1 && op.x2 == 1267 && op.y2 == 970 && op.pen.width == 2)
                ++frames;
        QCOMPARE(frames, 2); // the frame, then the frame redrawn over the text
        QVERIFY(findText(*w, "    w  -->       "));
    }

    // The start-up chart on the window image, to the pixel.
    void startupPixels()
    {
        auto w = newWindow();
        const QImage& img = w->image();
        const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), silver = qRgb(192, 192, 192);
        // The frame ends at x 510 and y 430.
        QCOMPARE(img.pixel(510, 300), black);
        QCOMPARE(img.pixel(511, 300), white);
        QCOMPARE(img.pixel(300, 430), black);
        QCOMPARE(img.pixel(300, 431), white);
        // A decade line leaves out its end pixel at y 435.
        QCOMPARE(img.pixel(135, 434), black);
        QCOMPARE(img.pixel(135, 435), white);
        QCOMPARE(img.pixel(135, 25), black);
        // Silver line at +10 dB (y 180), black at +20 dB (y 130); the line
        // runs from x 55 up to, but not including, x 515.
        QCOMPARE(img.pixel(58, 180), silver);
        QCOMPARE(img.pixel(58, 130), black);
        QCOMPARE(img.pixel(514, 130), black);
        QCOMPARE(img.pixel(515, 130), white);
        // Phase lines at 678 (silver) and 605 (black).
        QCOMPARE(img.pixel(57, 678), silver);
        QCOMPARE(img.pixel(57, 605), black);
        // The page frame (2 px) on the right.
        QCOMPARE(img.pixel(600, 500), black);
        QCOMPARE(img.pixel(1000, 37), black);
    }

    // A rule of dashes stays one line, clipped at the memo's edge, and the text
    // glued to it starts a new line; a scroll bar shows only for long texts.
    void memoRulesAndScrollBar()
    {
        auto w = newWindow();
        platform::Memo* m = w->M_text;
        const QString rule(129, '-');
        m->setText("\r\n" + rule + "Das Programm führt Sie schrittweise zur Lösung.\r\nkurz");
        QApplication::processEvents();
        const QTextBlock block = m->document()->findBlockByNumber(1);
        QVERIFY(block.text().startsWith(rule));
        QTextLayout* layout = block.layout();
        QVERIFY(layout && layout->lineCount() >= 2);
        QCOMPARE(layout->lineAt(0).textLength(), 129);
        QVERIFY(!m->verticalScrollBar()->isVisible());

        QStringList many;
        for (int i = 0; i < 80; ++i)
            many << QString("Zeile %1").arg(i);
        m->setText(many.join("\r\n"));
        QApplication::processEvents();
        QVERIFY(m->verticalScrollBar()->isVisible());
        QVERIFY(!m->horizontalScrollBar()->isVisible());
        QCOMPARE(m->text(), many.join("\r\n"));
    }

    // The toolkit's own texts, as in a field's context menu, are German.
    void toolkitTextsInGerman()
    {
        QVERIFY(platform::useGermanToolkitTexts());
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QString("&Rückgängig"));
    }

    // Every control says what it is to a screen reader; every button and
    // field says what it does.
    void namesAndTooltips()
    {
        auto w = newWindow();
        for (QWidget* c : w->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
                continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
            const bool acts = (qobject_cast<QAbstractButton*>(c) && !qobject_cast<QRadioButton*>(c)) ||
                              qobject_cast<QLineEdit*>(c) || qobject_cast<QComboBox*>(c);
            QVERIFY2(!acts || !c->toolTip().isEmpty(), qPrintable(c->objectName()));
        }
    }

    // The values under the mouse show on a text page at once, on exercise
    // and question pages only after the check.
    void readout()
    {
        auto w = openLesson(2);
        const auto over = [&](int x, int y) {
            QTest::mouseMove(w.get(), QPoint(x, y + 1)); // a move to where the mouse is is none
            QTest::mouseMove(w.get(), QPoint(x, y));
            return w->readout()->isVisible() ? w->readout()->text() : QString();
        };
        QVERIFY(over(200, 300).isEmpty()); // 02_01 shows pictures where the chart stands
        click(w->B_rechts); // questions
        click(w->B_rechts); // 02_03, text beside the chart
        const QString magnitude = over(freq_to_x(1), db_to_y(20));
        QVERIFY(magnitude.contains("w = 1.00E+000") && magnitude.endsWith("20.00 dB"));
        QVERIFY(over(freq_to_x(10), phase_to_y(0)).endsWith("= 0.0°"));
        QVERIFY(over(30, db_to_y(20)).isEmpty()); // beside the diagrams
        chooseLesson(*w, 3);
        QVERIFY(over(freq_to_x(1), db_to_y(20)).isEmpty());
        w->B_pruefClick();
        QVERIFY(!over(freq_to_x(1), db_to_y(20)).isEmpty());
        click(w->B_neu);
        QVERIFY(over(freq_to_x(1), db_to_y(20)).isEmpty());
        // The readout covers no control.
        for (QWidget* c : w->P_Wahl->findChildren<QWidget*>())
            QVERIFY(c == w->readout() || c->parent() != w->P_Wahl || !c->geometry().intersects(w->readout()->geometry()));
    }

    void endButtonClosesTheWindow()
    {
        auto w = newWindow();
        QVERIFY(w->isVisible());
        click(w->B_Ende);
        QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "test_window.moc"
