// Memos only show text: on every page no key, paste or cut changes one or
// crashes the program, and Tab never stops in one. Edit fields take only
// plain text of bounded length, whatever the clipboard holds.
#include "testutil.h"

#include "lessons/pages.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

using namespace testutil;

namespace {

// Every page: the introduction, the student's own example and each page the
// dispatcher knows, with the memos of a construction filled.
template <typename Visit>
void forEveryPage(TForm1& w, Visit visit)
{
    visit();
    w.B_eigenClick();
    visit();
    for (int lesson = 1; lesson <= 8; ++lesson)
        for (int page = 1; page <= 14; ++page)
            if (page_function(lesson, page)) {
                lesson_no = lesson;
                page_no = page;
                w.show_page(lesson, page);
                for (QPushButton* b : {static_cast<QPushButton*>(w.B_next), static_cast<QPushButton*>(w.B_ergeb)})
                    if (b->isVisible() && b->isEnabled())
                        click(b);
                visit();
            }
}

// A text beginning with "<" is put there as rich text only.
void setClipboard(const QString& text)
{
    auto* data = new QMimeData;
    if (text.startsWith('<'))
        data->setHtml(text);
    else if (!text.isEmpty())
        data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class TestMemos : public QObject {
    Q_OBJECT
private slots:
    void clipboards_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("pasted"); // what a field holding "12" holds after the paste
        QTest::newRow("empty") << "" << "12";
        QTest::newRow("line breaks") << "3\r\n\t4" << "123\r\n\t4";
        QTest::newRow("too long") << QString(5000, QChar('7')) << "12";
        QTest::newRow("only rich text") << "<table><tr><td><img src=\"x.png\">1</td></tr></table>" << "12";
    }

    // Tab never stops in a memo either.
    void memosTakeNoInput_data() { clipboards_data(); }
    void memosTakeNoInput()
    {
        QFETCH(QString, clipboard);
        auto w = newWindow();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        setClipboard(clipboard);
        int memos = 0;
        forEveryPage(*w, [&] {
            for (platform::Memo* m : w->findChildren<platform::Memo*>()) {
                if (!m->isVisible())
                    continue;
                ++memos;
                const QString before = m->text();
                click(m->viewport());
                for (Qt::Key key : {Qt::Key_A, Qt::Key_V, Qt::Key_X})
                    QTest::keyClick(m, key, Qt::ControlModifier);
                for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Return})
                    QTest::keyClick(m, key);
                QTest::keyClick(m, Qt::Key_Insert, Qt::ShiftModifier);
                QTest::keyClicks(m, "x1");
                QVERIFY2(m->text() == before && m->isReadOnly(), qPrintable(page_id + " " + m->objectName()));
            }
            for (int i = 0; i < 20; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QVERIFY2(!dynamic_cast<platform::Memo*>(QApplication::focusWidget()), qPrintable(page_id));
            }
        });
        QVERIFY(memos > 50);
    }

    // Whatever is pasted, a field holds plain text within its bound; a
    // paste too long is refused whole.
    void fieldsTakeBoundedPlainText_data() { clipboards_data(); }
    void fieldsTakeBoundedPlainText()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, pasted);
        auto w = newWindow();
        setClipboard(clipboard);
        const QList<platform::Edit*> fields = w->findChildren<platform::Edit*>();
        QVERIFY(fields.size() >= 4);
        for (platform::Edit* e : fields) {
            e->setText("12");
            e->end(false);
            QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e->text(), pasted);
        }
    }
};

QTEST_MAIN(TestMemos)
#include "test_memos.moc"
