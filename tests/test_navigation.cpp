// Page state, lesson choice, page buttons and button states.
#include "testutil.h"

using namespace testutil;

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void backOnTheIntroductionChangesNothing()
    {
        auto w = newWindow();
        const QString intro = w->M_text->text();
        click(w->B_links);
        QCOMPARE(lesson_no, 1);
        QCOMPARE(page_no, 0);
        QCOMPARE(page_id, QString("00_01"));
        QCOMPARE(w->M_text->text(), intro);
        QCOMPARE(w->RG_Wahl->itemIndex(), -1);
    }

    void forwardFromTheIntroductionChoosesLessonOne()
    {
        auto w = newWindow();
        lesson_answered[1] = 4;
        lesson_solved[1] = 2;
        click(w->B_rechts);
        QCOMPARE(lesson_no, 1);
        QCOMPARE(page_no, 1);
        QCOMPARE(w->RG_Wahl->itemIndex(), 0);
        // Entering a lesson keeps its counters.
        QCOMPARE(lesson_answered[1], 4);
        QCOMPARE(lesson_solved[1], 2);
    }

    void forwardAndBackStayWithinBounds()
    {
        auto w = newWindow();
        chooseLesson(*w, 8);
        QCOMPARE(lesson_no, 8);
        QCOMPARE(page_no, 1);
        for (int i = 0; i < 5; ++i)
            click(w->B_rechts);
        QCOMPARE(lesson_no, 8);
        QCOMPARE(page_no, 3);

        chooseLesson(*w, 1);
        for (int i = 0; i < 3; ++i)
            click(w->B_links);
        QCOMPARE(lesson_no, 1);
        QCOMPARE(page_no, 1);
    }

    void crossingLessonBoundaries()
    {
        auto w = newWindow();
        chooseLesson(*w, 2);
        for (int i = 0; i < 6; ++i)
            click(w->B_rechts);
        QCOMPARE(page_no, 7);
        lesson_answered[3] = 9;
        click(w->B_rechts);
        QCOMPARE(lesson_no, 3);
        QCOMPARE(page_no, 1);
        QCOMPARE(w->RG_Wahl->itemIndex(), 2);
        QCOMPARE(lesson_answered[3], 9);

        lesson_answered[2] = 5;
        click(w->B_links);
        QCOMPARE(lesson_no, 2);
        QCOMPARE(page_no, 7);
        QCOMPARE(w->RG_Wahl->itemIndex(), 1);
        QCOMPARE(lesson_answered[2], 5);
        QVERIFY(!w->P_punkt->isVisible());
    }

    void choosingALessonKeepsTheTotals()
    {
        auto w = newWindow();
        total_answered = 7;
        total_solved = 3;
        lesson_answered[2] = 7;
        chooseLesson(*w, 2);
        chooseLesson(*w, 2); // the same lesson again keeps it too
        QCOMPARE(lesson_answered[2], 7);
        QCOMPARE(total_answered, 7);
        QCOMPARE(total_solved, 3);
    }

    void choosingLessonThreeEmptiesTheExerciseFields()
    {
        auto w = newWindow();
        w->E_freq->setText("12");
        w->E_wert->setText("34");
        for (platform::Label* l : {w->l_pkt_loes, w->l_pkt_f, w->l_pkt_wert2, w->l_pkt_bem_f, w->l_pkt_bem_wert})
            l->setText("alt");
        chooseLesson(*w, 3);
        QCOMPARE(page_id, QString("03_01"));
        for (platform::Label* l : {w->l_pkt_loes, w->l_pkt_f, w->l_pkt_wert2, w->l_pkt_bem_f, w->l_pkt_bem_wert})
            QVERIFY(l->text().isEmpty());
        // The new task fills the fields with its target or leaves them empty.
        QVERIFY(w->E_freq->text() != "12");
        QVERIFY(w->E_wert->text() != "34");
    }

    void pagesAcrossLessonsTwoToFour()
    {
        auto w = newWindow();
        chooseLesson(*w, 2);
        QCOMPARE(page_id, QString("02_01"));
        for (int i = 0; i < 6; ++i)
            click(w->B_rechts);
        QCOMPARE(page_id, QString("02_07"));
        click(w->B_rechts);
        QCOMPARE(page_id, QString("03_01"));
        QVERIFY(point_mode);
        QVERIFY(w->P_punkt->isVisible());
        click(w->B_rechts);
        QCOMPARE(page_id, QString("04_01"));
        QVERIFY(line_mode && !point_mode);
        click(w->B_links);
        QCOMPARE(page_id, QString("03_01"));
        click(w->B_links);
        QCOMPARE(page_id, QString("02_07"));
        QVERIFY(!point_mode && !line_mode);
        QVERIFY(!w->P_punkt->isVisible());
        QVERIFY(w->M_text->isVisible());
    }

    void setButtonsQuestionPage()
    {
        auto w = newWindow();
        w->set_buttons(1, 1, 1, 0, 0, -1, -1, -1);
        QVERIFY(w->P_lektion->isVisibleTo(w->P_aufgaben));
        QVERIFY(w->P_gesamt->isVisibleTo(w->P_aufgaben));
        QVERIFY(w->B_auswert->isVisibleTo(w->P_aufgaben) && w->B_auswert->isEnabled());
        QVERIFY(w->B_loes->isVisibleTo(w->P_aufgaben) && !w->B_loes->isEnabled());
        QVERIFY(w->B_text->isVisibleTo(w->P_aufgaben) && !w->B_text->isEnabled());
        QVERIFY(!w->B_next->isVisibleTo(w->P_diag) && !w->B_next->isEnabled());
        QVERIFY(!w->B_ergeb->isVisibleTo(w->P_diag));
        QVERIFY(!w->B_druck->isVisibleTo(w->P_diag));
        QVERIFY(!w->P_diag->isVisible());
    }

    void setButtonsConstructionPage()
    {
        auto w = newWindow();
        w->set_buttons(0, 0, -1, -1, -1, 1, 0, 1);
        QVERIFY(!w->P_lektion->isVisibleTo(w->P_aufgaben));
        QVERIFY(!w->P_gesamt->isVisibleTo(w->P_aufgaben));
        QVERIFY(!w->B_auswert->isVisibleTo(w->P_aufgaben));
        QVERIFY(!w->B_loes->isVisibleTo(w->P_aufgaben));
        QVERIFY(!w->B_text->isVisibleTo(w->P_aufgaben));
        QVERIFY(w->B_next->isVisibleTo(w->P_diag) && w->B_next->isEnabled());
        QVERIFY(w->B_ergeb->isVisibleTo(w->P_diag) && !w->B_ergeb->isEnabled());
        QVERIFY(w->B_druck->isVisibleTo(w->P_diag) && w->B_druck->isEnabled());
        QVERIFY(w->P_diag->isVisible());
        // The print button alone shows the panel too; nothing positive hides it.
        w->set_buttons(1, 1, 1, 0, 0, -1, -1, 1);
        QVERIFY(w->P_diag->isVisible());
        w->set_buttons(2, 0, 1, 0, 0, 0, 0, 0);
        QVERIFY(!w->P_lektion->isVisibleTo(w->P_aufgaben));
        QVERIFY(!w->P_diag->isVisible());
    }

    void clearSolutions()
    {
        auto w = newWindow();
        w->l_loes[3]->setText("x");
        w->B_loes->setEnabled(false);
        w->clear_solutions();
        QVERIFY(w->l_loes[3]->text().isEmpty());
        QVERIFY(w->B_loes->isEnabled());
    }

    void pageFrame()
    {
        auto w = newWindow();
        page_id = "02_03";
        record(*w);
        w->draw_page_frame("Titel", "07.11.07", 770);
        const auto rects = ops(*w, platform::CanvasOp::Rectangle);
        QCOMPARE(int(rects.size()), 2);
        QCOMPARE(rects[0].x1, 599);
        QCOMPARE(rects[0].x2, 1270);
        QCOMPARE(rects[0].brush.style, platform::BrushStyle::Solid);
        QCOMPARE(rects[1].y2, 770);
        QCOMPARE(rects[1].pen.width, 2);
        QVERIFY(findText(*w, "Seite 02_03     Stand 07.11.07"));
        QCOMPARE(w->Canvas.pen.width, 1);
        QCOMPARE(w->Canvas.font.name, QString("MS Sans Serif"));
        QCOMPARE(w->Canvas.font.height, 8);
    }
};

QTEST_MAIN(TestNavigation)
#include "test_navigation.moc"
