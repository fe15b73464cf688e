// The task panel: question-page set-up, scoring, statistics and the two
// solution buttons, driven through the question pages of lesson 2.
#include "testutil.h"

#include <QLocale>

using namespace testutil;

namespace {

// Lesson 2 chosen, then forward to the page.
void openPage(TForm1& w, int page)
{
    chooseLesson(w, 2);
    for (int p = 1; p < page; ++p)
        click(w.B_rechts);
    QCOMPARE(page_no, page);
}

void answer(TForm1& w, std::array<int, 5> items)
{
    for (int k = 1; k <= 5; ++k)
        select(w.CB_A[k], items[static_cast<size_t>(k - 1)]);
}

struct Counts {
    QString answered, solved, percent;
};

Counts lessonLabels(const TForm1& w)
{
    return {w.l_lekt_bearb->text(), w.l_lekt_ok->text(), w.l_lekt_proz->text()};
}

Counts totalLabels(const TForm1& w)
{
    return {w.l_ges_bearb->text(), w.l_ges_ok->text(), w.l_ges_proz->text()};
}

bool operator==(const Counts& a, const Counts& b)
{
    return a.answered == b.answered && a.solved == b.solved && a.percent == b.percent;
}

} // namespace

namespace QTest {
template <>
char* toString(const Counts& c)
{
    return qstrdup(QStringLiteral("%1 / %2 / %3").arg(c.answered, c.solved, c.percent).toUtf8().constData());
}
} // namespace QTest

class TestTaskPanel : public QObject {
    Q_OBJECT
    QLocale savedLocale;

private slots:
    void init() { savedLocale = QLocale(); }
    void cleanup() { QLocale::setDefault(savedLocale); }

    void questionPageSetUp()
    {
        auto w = newWindow();
        w->P_punkt->show(); // left over from an exercise page
        openPage(*w, 2);
        QVERIFY(w->P_aufgaben->isVisible());
        QVERIFY(!w->M_text->isVisible());
        QVERIFY(!w->P_punkt->isVisible());
        QVERIFY(!w->P_diag->isVisible());
        QVERIFY(w->P_lektion->isVisible());
        QVERIFY(w->P_gesamt->isVisible());
        QVERIFY(w->B_auswert->isVisible() && w->B_auswert->isEnabled());
        QVERIFY(w->B_loes->isVisible() && !w->B_loes->isEnabled());
        QVERIFY(w->B_text->isVisible() && !w->B_text->isEnabled());
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(w->CB_A[k]->isEnabled());
            QCOMPARE(w->CB_A[k]->currentIndex(), 0);
            QCOMPARE(w->CB_A[k]->count(), 10);
            QCOMPARE(w->CB_A[k]->currentText(), QString("Lösung wählen"));
            QVERIFY(!w->Memo_L[k]->isVisible());
            QVERIFY(w->l_loes[k]->text().isEmpty());
        }
        QCOMPARE(w->Memo_A[1]->text(),
                 QString("1. Frage: \r\n\r\nBei welchem der vorgestellten Diagramm-Typen können\r\n"
                         "Realteil und Imaginärteil der Verstärkung direkt abgelesen werden ?"));
        QCOMPARE(w->Memo_L[5]->text(), QString("Lösung zur 5. Frage:\r\n\r\nDer Betrag wird nur im Nichols- und im "
                                               "Bode-Diagramm in dB dargestellt."));
        QCOMPARE(lessonLabels(*w), (Counts{"0", "0", "0.00"}));
        QCOMPARE(totalLabels(*w), (Counts{"0", "0", "0.00"}));
    }

    void allFiveRight()
    {
        auto w = newWindow();
        openPage(*w, 2);
        answer(*w, {7, 2, 1, 6, 2});
        click(w->B_auswert);
        QCOMPARE(lesson_answered[2], 5);
        QCOMPARE(lesson_solved[2], 5);
        QCOMPARE(total_answered, 5);
        QCOMPARE(total_solved, 5);
        QCOMPARE(lessonLabels(*w), (Counts{"5", "5", "100.00"}));
        QCOMPARE(totalLabels(*w), (Counts{"5", "5", "100.00"}));
        // Scored once: the lists and the scoring button are locked.
        for (int k = 1; k <= 5; ++k)
            QVERIFY(!w->CB_A[k]->isEnabled());
        QVERIFY(!w->B_auswert->isEnabled());
        QVERIFY(w->B_loes->isEnabled());
        QVERIFY(w->B_text->isEnabled());
        // The statistics stay on view after scoring.
        QVERIFY(w->P_lektion->isVisible());
        QVERIFY(w->P_gesamt->isVisible());
    }

    void threeAnsweredTwoRight_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("percent");
        QTest::newRow("point") << QLocale::c() << "66.67";
        QTest::newRow("German system") << QLocale(QLocale::German, QLocale::Germany) << "66.67";
    }
    void threeAnsweredTwoRight()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, percent);
        QLocale::setDefault(locale);
        auto w = newWindow();
        openPage(*w, 2);
        answer(*w, {7, 3, 1, 0, 0}); // right, wrong, right, two left open
        click(w->B_auswert);
        QCOMPARE(lessonLabels(*w), (Counts{"3", "2", percent}));
        QCOMPARE(totalLabels(*w), (Counts{"3", "2", percent}));
    }

    void nothingSelectedCountsNothing()
    {
        auto w = newWindow();
        openPage(*w, 2);
        click(w->B_auswert);
        QCOMPARE(lesson_answered[2], 0);
        QCOMPARE(lesson_solved[2], 0);
        QCOMPARE(total_answered, 0);
        QCOMPARE(lessonLabels(*w), (Counts{"0", "0", "0.00"}));
        QCOMPARE(totalLabels(*w), (Counts{"0", "0", "0.00"}));
        QVERIFY(!w->B_auswert->isEnabled());
        QVERIFY(!w->CB_A[1]->isEnabled());
    }

    void unwrittenItemsCountAsWrong()
    {
        auto w = newWindow();
        openPage(*w, 2);
        QVERIFY(w->CB_A[1]->item(8).isEmpty());
        answer(*w, {8, 9, 0, 0, 0});
        click(w->B_auswert);
        QCOMPARE(lesson_answered[2], 2);
        QCOMPARE(lesson_solved[2], 0);
        QCOMPARE(w->l_lekt_proz->text(), QString("0.00"));
    }

    void scoringAgainAfterReturningDoubles()
    {
        auto w = newWindow();
        openPage(*w, 2);
        answer(*w, {7, 2, 1, 6, 2});
        click(w->B_auswert);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("02_03"));
        click(w->B_links);
        QCOMPARE(page_id, QString("02_02"));
        // The page is drawn anew: lists open again, at "Lösung wählen".
        QVERIFY(w->B_auswert->isEnabled());
        QVERIFY(w->CB_A[3]->isEnabled());
        QCOMPARE(w->CB_A[3]->currentIndex(), 0);
        QCOMPARE(lessonLabels(*w), (Counts{"5", "5", "100.00"}));
        answer(*w, {7, 2, 1, 6, 2});
        click(w->B_auswert);
        QCOMPARE(lesson_answered[2], 10);
        QCOMPARE(lesson_solved[2], 10);
        QCOMPARE(total_answered, 10);
        QCOMPARE(total_solved, 10);
    }

    void choosingTheLessonAgainKeepsTheTotals()
    {
        auto w = newWindow();
        openPage(*w, 2);
        answer(*w, {7, 2, 5, 0, 0});
        click(w->B_auswert);
        chooseLesson(*w, 2);
        // The lesson keeps its counters when it is chosen again.
        QCOMPARE(lesson_answered[2], 3);
        QCOMPARE(lesson_solved[2], 2);
        QCOMPARE(total_answered, 3);
        QCOMPARE(total_solved, 2);
        click(w->B_rechts);
        QCOMPARE(lessonLabels(*w), (Counts{"3", "2", "66.67"}));
        QCOMPARE(totalLabels(*w), (Counts{"3", "2", "66.67"}));
        answer(*w, {7, 0, 0, 0, 0});
        click(w->B_auswert);
        QCOMPARE(lessonLabels(*w), (Counts{"4", "3", "75.00"}));
        QCOMPARE(totalLabels(*w), (Counts{"4", "3", "75.00"}));
    }

    void totalsDoNotWrap()
    {
        auto w = newWindow();
        openPage(*w, 2);
        total_answered = 254;
        total_solved = 254;
        answer(*w, {7, 2, 1, 6, 2});
        click(w->B_auswert);
        QCOMPARE(total_answered, 259);
        QCOMPARE(total_solved, 259);
        QCOMPARE(totalLabels(*w), (Counts{"259", "259", "100.00"}));
    }

    void showSolutions()
    {
        auto w = newWindow();
        openPage(*w, 2);
        answer(*w, {1, 1, 1, 1, 1});
        click(w->B_auswert);
        click(w->B_loes);
        const QStringList expected = {"OK", "Nichols + Bode", "OK + Nich.+ Bode", "Bode", "Nichols + Bode"};
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(w->l_loes[k]->text(), expected.at(k - 1));
        QVERIFY(!w->B_loes->isEnabled());
        QVERIFY(w->B_text->isEnabled());
        QVERIFY(!w->Memo_L[1]->isVisible());

        click(w->B_text);
        for (int k = 1; k <= 5; ++k)
            QVERIFY(w->Memo_L[k]->isVisible());
        QVERIFY(!w->B_text->isEnabled());

        // Leaving the page empties the shown solutions; coming back hides the texts.
        click(w->B_rechts);
        click(w->B_links);
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(w->l_loes[k]->text().isEmpty());
            QVERIFY(!w->Memo_L[k]->isVisible());
        }
    }

    void solutionTextsBeforeSolutions()
    {
        auto w = newWindow();
        openPage(*w, 5);
        click(w->B_auswert);
        click(w->B_text);
        QVERIFY(w->Memo_L[4]->isVisible());
        QVERIFY(w->B_loes->isEnabled());
        click(w->B_loes);
        QCOMPARE(w->l_loes[4]->text(), QString("- 3.0102 dB / 0 °"));
        QCOMPARE(w->l_loes[5]->text(), QString("+ 3.0102 dB / 0 °"));
    }

    void solutionOfAQuestionWithoutKey()
    {
        auto w = newWindow();
        openPage(*w, 2);
        answer_key[3] = 0; // as on a question without a scored answer
        answer(*w, {0, 0, 1, 0, 0});
        click(w->B_auswert);
        QCOMPARE(lesson_answered[2], 1);
        QCOMPARE(lesson_solved[2], 0);
        click(w->B_loes);
        QCOMPARE(w->l_loes[3]->text(), QString("Lösung wählen"));
        QCOMPARE(w->l_loes[1]->text(), QString("OK"));
    }

    void sharedAndSeparateOptionLists()
    {
        auto w = newWindow();
        openPage(*w, 2);
        for (int k = 2; k <= 5; ++k)
            for (int i = 0; i < 10; ++i)
                QCOMPARE(w->CB_A[k]->item(i), w->CB_A[1]->item(i));

        click(w->B_rechts);
        click(w->B_rechts);
        click(w->B_rechts);
        QCOMPARE(page_id, QString("02_05"));
        QCOMPARE(w->CB_A[1]->item(2), QString("fällt / steigt"));
        QCOMPARE(w->CB_A[3]->item(7), QString("+/- 5.7 °"));
        QCOMPARE(w->CB_A[4]->item(1), QString("0 dB / + 5.7 °"));
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(w->CB_A[2]->item(i), w->CB_A[1]->item(i));
            QCOMPARE(w->CB_A[5]->item(i), w->CB_A[4]->item(i));
        }
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(w->CB_A[k]->item(0), QString("Lösung wählen"));
        QVERIFY(w->CB_A[3]->item(1) != w->CB_A[4]->item(1));
    }
};

QTEST_MAIN(TestTaskPanel)
#include "test_task_panel.moc"
