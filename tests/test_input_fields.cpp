// The numeric input fields of the exercise panel: reading, range checks,
// messages, focus and the check button.
#include "testutil.h"

#include "platform/numfmt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QSignalSpy>

using namespace testutil;

namespace {

// Empty, enabled fields with the focus in E_freq, as a read-and-type task
// starts.
void openFields(TForm1& w)
{
    w.E_freq->clear();
    w.E_wert->clear();
    w.E_freq->setEnabled(true);
    w.E_wert->setEnabled(true);
    w.E_freq->setFocus();
    freq_ok = value_ok = false;
}

// Lesson 3 chosen by the student, with a read-and-type task of `kind` on
// the chart f 0.001 .. 1000, magnitude 0.01 .. 100, phase -90 .. 90.
std::unique_ptr<TForm1> pointTask(int kind)
{
    auto w = openLesson(3);
    chart = ChartSettings{0.001L, 1000.0L, 0.01L, 100.0L, -90, 90, chart.axis_f, chart.with_units};
    exercise_kind = kind;
    point_by_mouse = false;
    openFields(*w);
    return w;
}

// Lesson 4 chosen by the student, with a task of type B (read and type).
std::unique_ptr<TForm1> lineTask(int kind)
{
    auto w = newWindow();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qFatal("the window does not become active");
    chooseLesson(*w, 4);
    exercise_kind = kind;
    line_by_mouse = false;
    openFields(*w);
    return w;
}

// Types an entry into a field that has the focus, replacing its text.
void type(platform::Edit* field, const QString& text)
{
    QVERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Pastes a text into a field that has the focus, replacing its entry.
void paste(platform::Edit* field, const QString& text)
{
    QVERIFY(field->hasFocus());
    QGuiApplication::clipboard()->setText(text);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void enter(QWidget* w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

} // namespace

class TestInputFields : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void frequencyEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");   // empty: rejected
        QTest::addColumn<QString>("message"); // empty: none
        const QString outside = "   liegt ausserhalb des sinnvollen Wertebereiches!\r"
                                "1.0000E-003 <= Frequenz <= 1.0000E+003";
        QTest::newRow("comma") << "0,5" << "5.00E-001" << "";
        QTest::newRow("point") << "20.5" << "2.05E+001" << "";
        QTest::newRow("exponent") << "3E2" << "3.00E+002" << "";
        QTest::newRow("above the range") << "2000" << "" << "Ihre Eingabe   2000" + outside;
        QTest::newRow("upper margin") << "1000,9" << "1.00E+003" << "";
        QTest::newRow("beyond the upper margin") << "1001,1" << "" << "Ihre Eingabe   1001.1" + outside;
        QTest::newRow("lower margin") << "0,0009991" << "9.99E-004" << "";
        QTest::newRow("below the lower margin") << "0,000998" << "" << "Ihre Eingabe   0.000998" + outside;
        QTest::newRow("typed zero") << "0" << "" << "Ihre Eingabe   0" + outside;
        QTest::newRow("negative") << "-5" << "" << "Ihre Eingabe   -5" + outside;
        QTest::newRow("leading blanks") << "   7" << "7.00E+000" << "";
        QTest::newRow("letters") << "12a" << "" << "Ihre Eingabe   12a\renthält unzulässige Zeichen !";
        QTest::newRow("trailing blank") << "7 " << "" << "Ihre Eingabe   7 \renthält unzulässige Zeichen !";
        QTest::newRow("two commas") << "1,5,5" << "" << "Ihre Eingabe   1.5.5\renthält unzulässige Zeichen !";
        QTest::newRow("huge exponent") << "1e99999" << "" << "Ihre Eingabe   1e99999\rist keine zulässige Zahl !";
    }
    void frequencyEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        auto w = pointTask(1);
        type(w->E_freq, entry);
        enter(w->E_freq);

        if (message.isEmpty()) {
            QVERIFY(messages().empty());
        } else {
            QCOMPARE(int(messages().size()), 1);
            QCOMPARE(messages()[0].type, platform::MessageType::Error);
            QCOMPARE(messages()[0].text, message + TForm1::entry_hint);
        }
        const bool accepted = !shown.isEmpty();
        QCOMPARE(freq_ok, accepted);
        if (accepted) {
            QCOMPARE(w->E_freq->text(), shown);
            QCOMPARE(double(stored_freq), QLocale::c().toDouble(entry.trimmed().replace(',', '.')));
            QVERIFY(w->E_wert->hasFocus()); // on to the value, which is still missing
        } else {
            QVERIFY(w->E_freq->hasFocus()); // back for the correction, the entry selected
            QCOMPARE(w->E_freq->selectedText(), w->E_freq->text());
            QCOMPARE(double(stored_freq), 0.0);
        }
        QVERIFY(!w->B_pruef->isVisible());
    }

    void valueEntries_data()
    {
        QTest::addColumn<bool>("line");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown"); // empty: rejected
        QTest::addColumn<QString>("bounds");
        const QString point = "   liegt ausserhalb des sinnvollen Wertebereiches!\r";
        const QString line = "   liegt ausserhalb des vorgesehenen Wertebereiches!\r";
        const QString db = point + "-40.00 <= Betrag in dB <= 40.00";
        const QString number = point + "1.0000E-002 <= Betrag als Wert <= 1.0000E+002";
        const QString degrees = point + "-90 <= Winkel in ° <= 90";
        const QString db_slope = line + "-40.00 <= Steigung in dB / Dekade <= 40.00";
        const QString deg_slope = line + "-90.00 <= Steigung in ° / Dekade <= 90.00";
        QTest::newRow("dB inside the margin") << false << 1 << "-40,05" << "-40.05" << db;
        QTest::newRow("dB outside") << false << 1 << "-40.2" << "" << db;
        QTest::newRow("dB top margin") << false << 1 << "40.09" << "40.09" << db;
        QTest::newRow("0 dB") << false << 1 << "0" << "0.00" << db;
        QTest::newRow("minus 0 dB") << false << 1 << "-0" << "0.00" << db;
        QTest::newRow("number") << false << 2 << "3,162" << "3.1620E+000" << number;
        QTest::newRow("number lower margin") << false << 2 << "0,009991" << "9.9910E-003" << number;
        QTest::newRow("number outside") << false << 2 << "150" << "" << number;
        QTest::newRow("number 0") << false << 2 << "0" << "" << number;
        QTest::newRow("degrees inside the margin") << false << 3 << "90.05" << "90.05" << degrees;
        QTest::newRow("degrees outside") << false << 3 << "90.2" << "" << degrees;
        QTest::newRow("0 degrees") << false << 3 << "0" << "0.00" << degrees;
        QTest::newRow("dB slope") << true << 1 << "-40.03" << "-40.03" << db_slope;
        QTest::newRow("dB slope outside") << true << 1 << "-40.05" << "" << db_slope;
        QTest::newRow("degree slope") << true << 2 << "90,1" << "90.10" << deg_slope;
        QTest::newRow("degree slope outside") << true << 2 << "-90.2" << "" << deg_slope;
    }
    void valueEntries()
    {
        QFETCH(bool, line);
        QFETCH(int, kind);
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QFETCH(QString, bounds);
        auto w = line ? lineTask(kind) : pointTask(kind);
        enter(w->E_freq);
        QVERIFY(w->E_wert->hasFocus());
        type(w->E_wert, entry);
        enter(w->E_wert);

        const bool accepted = !shown.isEmpty();
        QCOMPARE(value_ok, accepted);
        if (accepted) {
            QVERIFY(messages().empty());
            QCOMPARE(w->E_wert->text(), shown);
            QCOMPARE(double(stored_value), QLocale::c().toDouble(entry.replace(',', '.')));
        } else {
            QCOMPARE(int(messages().size()), 1);
            QCOMPARE(messages()[0].text, "Ihre Eingabe   " + entry.replace(',', '.') + bounds + TForm1::entry_hint);
            QVERIFY(w->E_wert->hasFocus());
        }
    }

    void lineRatios_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("10") << "10" << "10.00";
        QTest::newRow("lower margin") << "9,99" << "9.99";
        QTest::newRow("below") << "9.9" << "";
        QTest::newRow("upper margin") << "100,1" << "100.10";
        QTest::newRow("above") << "100.2" << "";
        QTest::newRow("typed zero") << "0" << "";
    }
    void lineRatios()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        auto w = lineTask(1);
        type(w->E_freq, entry);
        enter(w->E_freq);
        QCOMPARE(freq_ok, !shown.isEmpty());
        if (shown.isEmpty()) {
            QCOMPARE(int(messages().size()), 1);
            QCOMPARE(messages()[0].text, "Ihre Eingabe   " + entry.replace(',', '.') +
                                             "   liegt ausserhalb des vorgesehenen Wertebereiches!\r"
                                             "10.00 <= f end / f anf <= 100.00" + TForm1::entry_hint);
        } else {
            QVERIFY(messages().empty());
            QCOMPARE(w->E_freq->text(), shown);
        }
    }

    void thePointIsWrittenOnACommaLocaleAndBothAreRead()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto w = pointTask(2);
        type(w->E_freq, "0,5");
        enter(w->E_freq);
        QCOMPARE(w->E_freq->text(), QString("5.00E-001"));
        type(w->E_wert, "2.5");
        enter(w->E_wert);
        QCOMPARE(w->E_wert->text(), QString("2.5000E+000"));

        // A shown value is read back as it stands.
        w->E_freq->setFocus();
        enter(w->E_freq);
        QCOMPARE(double(stored_freq), 0.5);
        QVERIFY(messages().empty());

        w->E_freq->setFocus();
        type(w->E_freq, "2000");
        enter(w->E_freq);
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(messages()[0].text.contains("\r1.0000E-003 <= Frequenz <= 1.0000E+003\r"));
    }

    // Pasted entries: only the number itself may stand in the field, a
    // field takes no more than its limit and a message quotes only the
    // beginning of a long entry, on one line.
    void pastedEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("field"); // the field's text after the paste
        QTest::addColumn<QString>("message");
        const QString invalid = "\renthält unzulässige Zeichen !";
        const QString digits40 = QString(40, '1');
        QTest::newRow("trailing line break") << "5\n" << "5\n" << "Ihre Eingabe   5 " + invalid;
        QTest::newRow("trailing CR LF") << "5\r\n" << "5\r\n" << "Ihre Eingabe   5  " + invalid;
        QTest::newRow("line break only") << "\n" << "\n" << "Ihre Eingabe    " + invalid;
        QTest::newRow("tab after the number") << "5\t" << "5\t" << "Ihre Eingabe   5 " + invalid;
        QTest::newRow("as long as the field takes")
            << digits40 + QString(60, 'x') << digits40 + QString(60, 'x') << "Ihre Eingabe   " + digits40 + "..." + invalid;
        QTest::newRow("longer than the field takes") << QString(10000, '1') << "" << "";
        QTest::newRow("one over the limit") << QString(101, '1') << "" << "";
    }
    void pastedEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, field);
        QFETCH(QString, message);
        auto w = pointTask(1);
        paste(w->E_freq, entry);
        QCOMPARE(w->E_freq->text(), field);
        enter(w->E_freq);
        QVERIFY(!freq_ok);
        QCOMPARE(double(stored_freq), 0.0);
        if (message.isEmpty()) {
            QVERIFY(messages().empty());
        } else {
            QCOMPARE(int(messages().size()), 1);
            QCOMPARE(messages()[0].text, message + TForm1::entry_hint);
        }
    }

    void emptyAndBlankEntriesAreNoAnswer()
    {
        auto w = pointTask(1);
        type(w->E_freq, "5");
        enter(w->E_freq);
        QVERIFY(freq_ok);

        for (const QString& entry : {QString(), QString("   "), QString(" ")}) {
            w->E_freq->setFocus();
            type(w->E_freq, entry);
            enter(w->E_freq);
            QVERIFY(freq_ok);
            QCOMPARE(double(stored_freq), 5.0);
            QVERIFY(messages().empty());
        }

        // A field left empty is no rejection either.
        w->E_wert->setFocus();
        type(w->E_wert, "-20");
        enter(w->E_wert);
        QVERIFY(value_ok);
        w->E_wert->setFocus();
        type(w->E_wert, "");
        enter(w->E_wert);
        QVERIFY(value_ok);
        QCOMPARE(double(stored_value), -20.0);
    }

    void textThatIsNoNumberKeepsTheAcceptedValue()
    {
        auto w = pointTask(1);
        type(w->E_freq, "5");
        enter(w->E_freq);
        w->E_freq->setFocus();
        type(w->E_freq, "12a");
        enter(w->E_freq);
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(freq_ok);
        QCOMPARE(double(stored_freq), 5.0);

        // Out of range, though, takes the acceptance back.
        type(w->E_freq, "2000");
        enter(w->E_freq);
        QVERIFY(!freq_ok);
        QCOMPARE(double(stored_freq), 5.0);
    }

    void theCheckButtonFollowsBothFields()
    {
        auto w = pointTask(3);
        type(w->E_freq, "10");
        enter(w->E_freq);
        QVERIFY(!w->B_pruef->isVisible());
        type(w->E_wert, "45");
        enter(w->E_wert);
        QVERIFY(w->B_pruef->isVisible());
        QVERIFY(w->B_pruef->hasFocus());

        // A rejected correction hides it again, a good one brings it back.
        w->E_freq->setFocus();
        type(w->E_freq, "2000");
        enter(w->E_freq);
        QVERIFY(!w->B_pruef->isVisible());
        type(w->E_freq, "20");
        enter(w->E_freq);
        QVERIFY(w->B_pruef->isVisible());
        QVERIFY(w->B_pruef->hasFocus());

        // Enter on the check button checks.
        enter(w->B_pruef);
        QCOMPARE(points_done, 1);
        QVERIFY(w->B_neu->hasFocus());
    }

    void enterFollowsTheTabOrder()
    {
        auto w = pointTask(1);
        enter(w->E_freq);
        QVERIFY(w->E_wert->hasFocus());
        enter(w->E_wert); // the check button is hidden
        QVERIFY(w->B_neu->hasFocus());
    }

    void aValueBeforeTheFrequencySendsTheStudentBack()
    {
        auto w = pointTask(1);
        w->E_wert->setFocus();
        w->E_freq->setText("abc");
        type(w->E_wert, "-20");
        enter(w->E_wert);
        QVERIFY(value_ok);
        QVERIFY(w->E_freq->hasFocus());
        QVERIFY(w->E_freq->text().isEmpty());
        QVERIFY(messages().empty());
    }

    void aMagnitudeAsNumberLeavesTheFrequencyAsItIs()
    {
        auto w = pointTask(2);
        w->E_wert->setFocus();
        w->E_freq->setText("abc");
        type(w->E_wert, "5");
        enter(w->E_wert);
        QVERIFY(value_ok);
        QCOMPARE(w->E_freq->text(), QString("abc"));
        QVERIFY(w->B_neu->hasFocus());
    }

    void escapeReturnsToTheIntroduction_data()
    {
        QTest::addColumn<bool>("inValueField");
        QTest::newRow("frequency field") << false;
        QTest::newRow("value field") << true;
    }
    void escapeReturnsToTheIntroduction()
    {
        QFETCH(bool, inValueField);
        auto w = pointTask(1);
        total_answered = 5;
        total_solved = 3;
        platform::Edit* field = inValueField ? w->E_wert : w->E_freq;
        field->setFocus();
        type(field, "2000");
        QTest::keyClick(field, Qt::Key_Escape);

        QVERIFY(messages().empty());
        QCOMPARE(page_id, QString("00_01"));
        QVERIFY(!w->P_punkt->isVisible());
        QVERIFY(w->M_text->text().contains("ALLGEMEINES"));
        QCOMPARE(total_answered, 5);
        QCOMPARE(total_solved, 3);
        QCOMPARE(lesson_no, 3);
        QVERIFY(!escape_pressed);
        QCOMPARE(w->RG_Wahl->itemIndex(), -1);

        // The chart of the introduction takes no answers.
        clickAt(*w, 300, 200);
        QVERIFY(!position_stored);

        // And lesson 3 can be chosen again.
        chooseLesson(*w, 3);
        QCOMPARE(page_id, QString("03_01"));
        QVERIFY(w->P_punkt->isVisible());
    }

    void aWrongEntryIsReportedOnce()
    {
        auto w = pointTask(1);

        // Leaving by a click into the other field: the check takes the focus
        // back, and the click does not leave the field a second time.
        type(w->E_freq, "2000");
        QTest::mouseClick(w->E_wert, Qt::LeftButton);
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(w->E_freq->hasFocus());

        // A click into the field itself.
        QTest::mouseClick(w->E_freq, Qt::LeftButton);
        QCOMPARE(int(messages().size()), 2);
        QVERIFY(w->E_freq->hasFocus());

        // Both fields wrong: leaving the first does not check the second.
        w->E_wert->setText("abc");
        enter(w->E_freq);
        QCOMPARE(int(messages().size()), 3);
        QVERIFY(w->E_freq->hasFocus());
        QVERIFY(messages()[2].text.startsWith("Ihre Eingabe   2000"));
    }

    // An entry that is not accepted never holds the student back: every way
    // out of the task goes through at once, before or after its message, and
    // the entry is dropped.
    void waysOutDropAWrongEntry_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("reported"); // the entry's message was shown first
        QTest::addColumn<double>("zoom");
        for (const char* way : {"B_neu", "B_rechts", "Alt+Right", "RG_Wahl", "B_Ende", "Alt+B"}) {
            QTest::newRow(way) << way << false << 1.0;
            QTest::newRow(qPrintable(QString(way) + ", after the message, scaled")) << way << true << 0.9;
        }
    }
    void waysOutDropAWrongEntry()
    {
        QFETCH(QString, way);
        QFETCH(bool, reported);
        QFETCH(double, zoom);
        auto w = pointTask(1);
        w->setZoom(zoom);
        w->E_freq->setFocus();
        enter(w->E_freq);
        type(w->E_wert, "9000");
        if (reported) {
            enter(w->E_wert);
            QCOMPARE(int(messages().size()), 1);
            QVERIFY(messages()[0].text.contains("Esc"));
        }
        QSignalSpy newTask(w->B_neu, &QPushButton::clicked);
        if (way.startsWith("Alt"))
            QTest::keySequence(w->shownWindow(), QKeySequence(way));
        else if (way == "RG_Wahl")
            chooseLesson(*w, 2);
        else
            click(w->findChild<QPushButton*>(way));
        QCOMPARE(int(messages().size()), reported ? 1 : 0);
        QVERIFY(w->E_wert->text() != "9000");
        if (way == "B_neu")
            QCOMPARE(newTask.count(), 1);
        else if (way == "B_Ende" || way == "Alt+B")
            QVERIFY(!w->shownWindow()->isVisible());
        else
            QCOMPARE(page_id, QString(way == "RG_Wahl" ? "02_01" : "04_01"));
    }

    void aClickIntoAFieldChecksItAndSelectsItsText()
    {
        auto w = pointTask(1);
        type(w->E_freq, "0,5");
        QTest::mouseClick(w->E_freq, Qt::LeftButton);
        QVERIFY(freq_ok);
        QVERIFY(w->E_freq->hasFocus());
        QCOMPARE(w->E_freq->text(), QString("5.00E-001"));
        QCOMPARE(w->E_freq->selectedText(), w->E_freq->text());

        // Typing replaces the selected text.
        QTest::keyClicks(w->E_freq, "7");
        QCOMPARE(w->E_freq->text(), QString("7"));
    }

    void fieldsThatShowTheTaskAreNotChecked()
    {
        // A new task that shows its coordinates in the fields disables them
        // while the focus may still be in one: that is no entry to check.
        auto w = newWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        chooseLesson(*w, 3);
        while (point_by_mouse)
            w->B_neuClick();
        QVERIFY(w->E_freq->hasFocus());
        while (!point_by_mouse)
            w->B_neuClick();
        QVERIFY(!w->E_freq->isEnabled());
        QCOMPARE(w->E_freq->text(), " " + numfmt::sci(target_freq, 3));
        QVERIFY(!freq_ok && !value_ok);
        QVERIFY(messages().empty());
    }
};

QTEST_MAIN(TestInputFields)
#include "test_input_fields.moc"
