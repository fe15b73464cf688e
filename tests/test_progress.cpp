// The course's progress: the page place, the contents, the lesson counters
// across lessons, the marks of the answers, the progress file and the record.
#include "testutil.h"

#include "app/contents.h"
#include "platform/printer.h"

#include <QSaveFile>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace testutil;

namespace {

// What a page looks like once it is open: the drawing and the state.
struct Look {
    QImage image;
    QString id, panels;
    int lesson, page, choice;
    bool operator==(const Look&) const = default;
};

Look look(TForm1& w)
{
    QStringList shown;
    for (QWidget* c : w.findChildren<QWidget*>())
        if (c->isVisibleTo(&w) && c->parentWidget() == &w)
            shown << c->objectName();
    return {w.image().copy(), page_id, shown.join(' '), lesson_no, page_no, w.RG_Wahl->itemIndex()};
}

// Selects the page's line of the contents and presses Enter there.
void openFromContents(TForm1& w, const QString& id)
{
    w.B_inhaltClick();
    QTreeWidget* list = contents_window()->LV_inhalt;
    list->setCurrentItem(list->findItems(id, Qt::MatchExactly | Qt::MatchRecursive).value(0));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!contents_window()->isVisible());
}

// A disk that fills up halfway through the file.
class FullDisk : public ProgressFile {
public:
    using ProgressFile::ProgressFile;
    bool writeData(QSaveFile& file, const QByteArray& data) override
    {
        file.write(data.left(data.size() / 2));
        return false;
    }
};

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file() const { return dir.filePath("fortschritt.json"); }
    std::unique_ptr<TForm1> stored() { return newWindow(wholeScreen, QRect(), 1, false, std::make_unique<ProgressFile>(file())); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QFile::remove(file()); }

    void thePagePlaceIsShownOnEveryPageAndCoversNothing()
    {
        auto w = newWindow();
        auto area = [&w](QWidget* c) { return QRect(c->mapTo(w.get(), QPoint()), c->size()); };
        for (int l = 1; l <= 8; ++l)
            for (int p = 1; p <= lesson_page_count[l]; ++p) {
                lesson_no = l, page_no = p;
                w->show_page(l, p);
                QCOMPARE(w->L_seite->text(), QString("Lektion %1  ·  Seite %2 von %3").arg(l).arg(p).arg(lesson_page_count[l]));
                for (QWidget* m : {static_cast<QWidget*>(w->L_seite), static_cast<QWidget*>(w->B_inhalt),
                                   static_cast<QWidget*>(w->B_lernstand)})
                    for (QObject* o : w->P_Wahl->children() + w->children()) {
                        auto* c = qobject_cast<QWidget*>(o);
                        if (c && c != m && c != m->parentWidget() && c->isVisible())
                            QVERIFY2(!area(c).intersects(area(m)), qPrintable(page_id + " " + c->objectName()));
                    }
            }
    }

    void theContentsOpenEveryPageExactlyAsPagingDoes()
    {
        QStringList ids;
        for (int l = 1; l <= 8; ++l)
            for (int p = 1; p <= lesson_page_count[l]; ++p)
                ids << course_page_id(l, p);
        ids << "09_01";
        for (const QString& id : ids) {
            const int l = id.left(2).toInt(), p = id.mid(3).toInt();
            Look paged;
            {
                auto w = newWindow();
                if (l == 9)
                    w->B_eigenClick();
                else
                    chooseLesson(*w, l);
                for (int k = 1; k < p && l < 9; ++k)
                    click(w->B_rechts);
                paged = look(*w);
            }
            auto w = newWindow();
            openFromContents(*w, id);
            QVERIFY2(look(*w) == paged, qPrintable(id));
            QVERIFY(progress::seen(id));
            QCOMPARE(progress::current().seen.size(), 1); // the pages passed are not seen
        }
    }

    void eachLessonKeepsItsCountersAcrossLessonBoundaries()
    {
        auto w = newWindow();
        chooseLesson(*w, 2);
        click(w->B_rechts); // 02_02
        for (int k = 1; k <= 3; ++k)
            select(w->CB_A[k], k < 3 ? answer_key[k] : answer_key[k] == 1 ? 2 : 1);
        click(w->B_auswert);
        for (int k = 0; k < 9; ++k)
            click(w->B_rechts); // over 03_01, 04_01 into lesson 5
        QCOMPARE(page_id, QString("05_02"));
        QCOMPARE(w->l_lekt_bearb->text(), QString("0"));
        QCOMPARE(w->l_ges_bearb->text(), QString("3"));
        for (int k = 0; k < 6; ++k)
            click(w->B_links); // back into lesson 2
        QCOMPARE(page_id, QString("02_05"));
        QCOMPARE(w->l_lekt_bearb->text(), QString("3"));
        QCOMPARE(w->l_lekt_ok->text(), QString("2"));
        QCOMPARE(w->l_ges_bearb->text(), QString("3"));
    }

    void eachAnswerIsMarkedAndTheListsOfferOnlyTexts()
    {
        auto w = openLesson(2);
        click(w->B_rechts);
        select(w->CB_A[1], answer_key[1]);
        select(w->CB_A[2], answer_key[2] == 1 ? 2 : 1);
        QVERIFY(!w->L_marke[1]->isVisible());
        click(w->B_auswert);
        using K = platform::Mark::Kind;
        QCOMPARE(w->L_marke[1]->kind(), K::Right);
        QCOMPARE(w->L_marke[2]->kind(), K::Wrong);
        QCOMPARE(w->L_marke[3]->kind(), K::Open);
        QCOMPARE(w->CB_A[1]->currentIndex(), answer_key[1]);
        const QPalette colors = w->CB_A[1]->palette();
        QCOMPARE(colors.color(QPalette::Disabled, QPalette::ButtonText), colors.color(QPalette::Active, QPalette::ButtonText));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(static_cast<QStandardItemModel*>(w->CB_A[1]->model())->item(i)->isEnabled(),
                     !w->CB_A[1]->itemText(i).isEmpty());
        click(w->B_rechts);
        click(w->B_links);
        QVERIFY(!w->L_marke[1]->isVisible());
    }

    void theProgressRoundTripsAndTheIntroductionOffersTheLastPage()
    {
        CourseProgress before;
        {
            auto w = stored();
            QVERIFY(!w->P_fortschritt->isVisible());
            chooseLesson(*w, 2);
            click(w->B_rechts);
            select(w->CB_A[1], answer_key[1]);
            click(w->B_auswert);
            points_done = 4, points_right = 3, constants_done = 2;
            chooseLesson(*w, 5);
            before = progress::current();
        }
        QVERIFY(QFile::exists(file()));
        auto w = stored();
        QCOMPARE(progress::current(), before);
        QCOMPARE(progress::score("02_02")->solved, 1);
        QVERIFY(w->P_fortschritt->isVisible());
        QVERIFY(w->L_bilanz->text().contains("3 von 49"));
        click(w->B_weiter);
        QCOMPARE(page_id, QString("05_01"));
        QCOMPARE(w->RG_Wahl->itemIndex(), 4);
    }

    // Paging back to a seen page moves only the last page: written a moment
    // later, and at the latest when the window closes.
    void aRevisitedPageIsWrittenLaterOrOnClosing()
    {
        const auto lastOnDisk = [this] {
            QFile f(file());
            CourseProgress p;
            QString why;
            return f.open(QIODevice::ReadOnly) && progress_from_json(f.readAll(), p, why) ? p.last_page : QString();
        };
        {
            auto w = stored();
            chooseLesson(*w, 1);
            click(w->B_rechts);
            QCOMPARE(lastOnDisk(), QString("01_02"));
            click(w->B_links);
            QCOMPARE(lastOnDisk(), QString("01_02"));
        }
        QCOMPARE(lastOnDisk(), QString("01_01"));
    }

    void aBadFileIsSetAsideWithAMessage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("{\"format\": \"falkorin-fortschritt\", \"version\": 1, \"last");
        QTest::newRow("foreign") << QByteArray("{\"format\": \"etwas anderes\", \"version\": 1}");
        QTest::newRow("newer") << QByteArray("{\"format\": \"falkorin-fortschritt\", \"version\": 2}");
        CourseProgress bad;
        bad.last_page = "05_14";
        QTest::newRow("bad value") << progress_to_json(bad);
    }
    void aBadFileIsSetAsideWithAMessage()
    {
        QFETCH(QByteArray, content);
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        auto w = stored();
        QCOMPARE(messages().size(), size_t(1));
        QCOMPARE(messages()[0].type, platform::MessageType::Error);
        QFile aside(file() + ".beschaedigt");
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
        aside.remove();
        QCOMPARE(progress::current(), CourseProgress{});
    }

    void anUnwritablePlaceOrAFullDiskIsReportedAndLosesNothing()
    {
        QFile blocker(dir.filePath("datei"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        {
            auto w = newWindow(wholeScreen, QRect(), 1, false, std::make_unique<ProgressFile>(dir.filePath("datei/f.json")));
            chooseLesson(*w, 1);
            click(w->B_rechts);
            QCOMPARE(messages().size(), size_t(1)); // once, not at every page
        }
        {
            auto w = stored();
            chooseLesson(*w, 3);
        }
        QFile saved(file());
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray before = saved.readAll();
        {
            auto w = newWindow(wholeScreen, QRect(), 1, false, std::make_unique<FullDisk>(file()));
            QVERIFY(progress::seen("03_01"));
            chooseLesson(*w, 4);
            QCOMPARE(messages().size(), size_t(1));
            QVERIFY(messages()[0].text.startsWith("Der Lernstand konnte nicht gespeichert werden"));
        }
        saved.seek(0);
        QCOMPARE(saved.readAll(), before);
    }

    void resettingAsksFirst()
    {
        auto w = stored();
        chooseLesson(*w, 4);
        lesson_answered[4] = 2, total_answered = 2;
        questionAnswer() = false;
        QVERIFY(!progress::reset());
        QCOMPARE(lesson_answered[4], 2);
        questionAnswer() = true;
        QVERIFY(progress::reset());
        QCOMPARE(questions().size(), size_t(2));
        QCOMPARE(progress::current(), CourseProgress{});
    }

    void aWindowWithoutStoreWritesNothing()
    {
        {
            auto w = newWindow();
            chooseLesson(*w, 2);
        }
        QVERIFY(!QFile::exists(ProgressFile::defaultPath()));
    }

    void theRecordIsOnePageWithTheCounters()
    {
        static platform::Canvas sheet;
        sheet.recording = true;
        QStringList names;
        platform::setSheetHook([&names](const QString& name) { return names << name, &sheet; });
        auto w = newWindow();
        lesson_answered[6] = 8, lesson_solved[6] = 6, total_answered = 8, total_solved = 6, lines_done = 5;
        click(w->B_lernstand);
        platform::setSheetHook(nullptr);
        QCOMPARE(names, QStringList{"FALKORIN-Lernstand"});
        QStringList texts;
        for (const auto& op : sheet.ops)
            texts << op.text;
        QVERIFY(texts.contains("75.00 %"));
        QVERIFY(texts.contains(w->RG_Wahl->button(5)->text()));
        QCOMPARE(texts.count("5"), 1);
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const QString& t) { return t.startsWith("Stand: "); }));
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
