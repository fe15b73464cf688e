// The table of contents of the course and the jump to any of its pages.
#include "app/contents.h"

#include "app/Unit1.h"
#include "app/progress.h"
#include "construction/own_example.h"
#include "platform/numfmt.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The contents' titles of the pages; a leading "?" marks a question page.
const char* const page_titles[9][14] = {
    {},
    {"1.1 Vereinbarungen, Logarithmen", "?Aufgaben zu 1.1: Logarithmen", "1.2 Dezibel", "?Aufgaben zu 1.2: Dezibel",
     "1.3 Komplexe Zahlen, 1.4 Normierung", "?Aufgaben zu 1.3: Komplexe Zahlen",
     "1.5 Übertragungs-Funktionen, Teil I", "1.5 Übertragungs-Funktionen, Teil II",
     "1.5 Teil III, 1.6 Pol- und Nullstellen, Teil I", "1.6 Pol- und Nullstellen, Teil II: PN-Plan",
     "?Aufgaben zu 1.5 + 1.6  [ Teil I ]", "?Aufgaben zu 1.5 + 1.6  [ Teil II ]", "1.7 Frequenzgang",
     "?Aufgaben zu 1.7: Frequenzgang"},
    {"2.1 Zweck des Bode-Diagramms", "?Fragen zu 2.1", "2.2 Vorzüge des Bode-Diagramms",
     "2.3 Näherungen beim Bode-Diagramm", "?Fragen zu 2.3", "2.4.1 Steigungen im Betrags-Diagramm",
     "2.4.2 Steigungen im Phasenwinkel-Diagramm"},
    {"Übung: Punkte eintragen und ablesen"},
    {"Übung: Linien eintragen und ablesen"},
    {"5.1 Tiefpass 1. Ordnung (PT1)", "?Aufgaben zu 5.1: PT1-Glied", "5.2 Integrierendes oder I-Verhalten",
     "?Aufgaben zu 5.2: I-Verhalten", "5.3 Differenzierendes oder D-Verhalten", "?Aufgaben zu 5.3: D-Verhalten",
     "Übung: Konstante eines I- oder D-Glieds", "5.4 PI-Verhalten", "?Aufgaben zu 5.4: PI-Glied",
     "5.5 PD-Verhalten", "?Aufgaben zu 5.5: PD-Glied", "5.6 Allpass erster Ordnung",
     "1. Beispiel: Allpass, Konstruktion"},
    {"?1. Beispiel: Fragen zum Bode-Diagramm", "1. Beispiel: Phasenwinkelverlauf, Konstruktion",
     "?2. Beispiel: Fragen zum Bode-Diagramm", "2. Beispiel: Phasenwinkelverlauf, Konstruktion",
     "?3. Beispiel: Übertragungs-Funktion aus dem Betrag", "4. Beispiel: Bode-Diagramm, Konstruktion"},
    {"?1. Beispiel: Fragen zum Bode-Diagramm", "1. Beispiel: Phasenwinkelverlauf, Konstruktion",
     "2. Beispiel: Bode-Diagramm, Konstruktion", "3. Beispiel: Bode-Diagramm mit Allpass, Konstruktion"},
    {"1. Beispiel: G(s) aus dem Phasenwinkelverlauf", "2. Beispiel: G(s) aus dem Betragsfrequenzgang",
     "3. Beispiel: G(s) aus dem Bode-Diagramm"},
};

QString raw_title(int lesson, int page)
{
    if (lesson < 1 || lesson > 8 || page < 1 || page > lesson_page_count[static_cast<size_t>(lesson)])
        return QString();
    return QString::fromUtf8(page_titles[lesson][page - 1]);
}

QString lesson_name(int lesson)
{
    return Form1->RG_Wahl->button(lesson - 1)->text();
}

QString count_text(const Count& c)
{
    return numfmt::integer(c.answered) + QStringLiteral(" bearbeitet, ") + numfmt::integer(c.solved) +
           QStringLiteral(" gelöst");
}

constexpr int role_lesson = Qt::UserRole;
constexpr int role_page = Qt::UserRole + 1;

ContentsWindow* the_window = nullptr;

} // namespace

QString course_page_id(int lesson, int page)
{
    return QStringLiteral("%1_%2").arg(lesson, 2, 10, QLatin1Char('0')).arg(page, 2, 10, QLatin1Char('0'));
}

QString contents_title(int lesson, int page)
{
    const QString t = raw_title(lesson, page);
    return t.startsWith(QLatin1Char('?')) ? t.mid(1) : t;
}

bool is_question_page(int lesson, int page)
{
    return raw_title(lesson, page).startsWith(QLatin1Char('?'));
}

void open_course_page(int lesson, int page)
{
    TForm1* f = Form1;
    if (lesson == 9) {
        if (page_id != own_example::page_id)
            f->B_eigenClick();
        return;
    }
    if (lesson < 1 || lesson > 8 || page < 1 || page > lesson_page_count[static_cast<size_t>(lesson)])
        return;
    bool chosen = false;
    {
        const progress::Passing passing;
        lesson_no = lesson;
        page_no = 1;
        // As at a lesson boundary: the choice runs when it changes and
        // draws the lesson's first page. Then forward page by page.
        if (f->RG_Wahl->itemIndex() != lesson - 1) {
            f->RG_Wahl->setItemIndex(lesson - 1);
            chosen = true;
        }
        for (int p = chosen ? 2 : 1; p < page; ++p) {
            page_no = p;
            f->show_page(lesson, p);
        }
    }
    page_no = page;
    for (int k = 1; k <= 5; ++k)
        f->l_loes[k]->setText(QString());
    f->B_rechts->setEnabled(true);
    if (chosen && page == 1)
        progress::page_shown(); // drawn by the choice, unseen until now
    else
        f->show_page(lesson, page);
}

ContentsWindow::ContentsWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_inhalt"));
    setWindowTitle(QStringLiteral("Inhaltsverzeichnis"));
    setWindowModality(Qt::ApplicationModal);
    setFont(platform::controlFont(QStringLiteral("Arial"), -12));
    LV_inhalt = new QTreeWidget(this);
    LV_inhalt->setObjectName(QStringLiteral("LV_inhalt"));
    LV_inhalt->setColumnCount(3);
    LV_inhalt->setHeaderLabels({QStringLiteral("Seite"), QStringLiteral("Titel"), QStringLiteral("Stand")});
    LV_inhalt->setRootIsDecorated(true);
    LV_inhalt->setUniformRowHeights(true);
    LV_inhalt->header()->setStretchLastSection(false);
    LV_inhalt->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    LV_inhalt->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    LV_inhalt->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    auto add = [this](QTreeWidgetItem* parent, const QString& id, const QString& title, int lesson, int page) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(LV_inhalt);
        item->setText(0, id);
        item->setText(1, title);
        item->setData(0, role_lesson, lesson);
        item->setData(0, role_page, page);
        return item;
    };
    for (int l = 1; l <= 8; ++l) {
        QTreeWidgetItem* lesson = add(nullptr, QString(), lesson_name(l), l, 0);
        lesson->setFirstColumnSpanned(false);
        for (int p = 1; p <= lesson_page_count[static_cast<size_t>(l)]; ++p)
            add(lesson, course_page_id(l, p), contents_title(l, p), l, p);
    }
    add(nullptr, own_example::page_id, QStringLiteral("Eigenes Beispiel : Bode-Diagramm zu  G(s)"), 9, 1);
    LV_inhalt->expandAll();
    connect(LV_inhalt, &QTreeWidget::itemActivated, this, [this] { openSelected(); });

    auto* hint = new QLabel(QStringLiteral("Doppelklick oder Eingabetaste öffnet die Seite."), this);
    B_oeffnen = new QPushButton(QStringLiteral("Seite öffnen"), this);
    B_oeffnen->setObjectName(QStringLiteral("B_oeffnen"));
    B_zuruecksetzen = new QPushButton(QStringLiteral("Fortschritt zurücksetzen"), this);
    B_zuruecksetzen->setObjectName(QStringLiteral("B_zuruecksetzen"));
    B_schliessen = new QPushButton(QStringLiteral("Schließen"), this);
    B_schliessen->setObjectName(QStringLiteral("B_schliessen"));
    for (QPushButton* b : {B_oeffnen, B_zuruecksetzen, B_schliessen})
        b->setAutoDefault(false);
    connect(B_oeffnen, &QPushButton::clicked, this, [this] { openSelected(); });
    connect(B_zuruecksetzen, &QPushButton::clicked, this, [this] {
        if (progress::reset())
            refresh();
    });
    connect(B_schliessen, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(B_oeffnen);
    buttons->addWidget(B_zuruecksetzen);
    buttons->addWidget(B_schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LV_inhalt, 1);
    layout->addLayout(buttons);
    resize(1000, 900);
}

QTreeWidgetItem* ContentsWindow::itemOf(const QString& id) const
{
    const QList<QTreeWidgetItem*> found = LV_inhalt->findItems(id, Qt::MatchExactly | Qt::MatchRecursive, 0);
    return found.isEmpty() || id.isEmpty() ? nullptr : found.first();
}

void ContentsWindow::refresh()
{
    for (int i = 0; i < LV_inhalt->topLevelItemCount(); ++i) {
        QTreeWidgetItem* lesson = LV_inhalt->topLevelItem(i);
        const int l = lesson->data(0, role_lesson).toInt();
        int seen = 0;
        for (int c = 0; c < lesson->childCount(); ++c) {
            QTreeWidgetItem* item = lesson->child(c);
            const QString id = item->text(0);
            const bool was_seen = progress::seen(id);
            seen += was_seen;
            QString mark = was_seen ? QStringLiteral("gesehen") : QString();
            if (const Count* s = progress::score(id))
                mark = count_text(*s);
            else if (was_seen && is_question_page(l, c + 1))
                mark = QStringLiteral("gesehen, nicht ausgewertet");
            item->setText(2, mark);
        }
        if (l == 9) {
            lesson->setText(2, progress::seen(lesson->text(0)) ? QStringLiteral("gesehen") : QString());
            continue;
        }
        const size_t L = static_cast<size_t>(l);
        lesson->setText(2, numfmt::integer(seen) + QStringLiteral(" von ") + numfmt::integer(lesson->childCount()) +
                               QStringLiteral(" Seiten gesehen  ·  ") +
                               count_text({lesson_answered[L], lesson_solved[L]}));
    }
    for (QTreeWidgetItem* item = LV_inhalt->topLevelItem(0); item; item = LV_inhalt->itemBelow(item)) {
        QFont font = item->font(1);
        // The lessons and the page shown stand out.
        font.setBold(item->childCount() > 0 || (item->text(0) == page_id && !page_id.isEmpty()));
        for (int c = 0; c < 3; ++c)
            item->setFont(c, font);
    }
    if (QTreeWidgetItem* current = itemOf(page_id))
        LV_inhalt->setCurrentItem(current);
    else
        LV_inhalt->setCurrentItem(LV_inhalt->topLevelItem(0));
}

bool ContentsWindow::openSelected()
{
    QTreeWidgetItem* item = LV_inhalt->currentItem();
    if (!item || item->data(0, role_page).toInt() == 0)
        return false;
    const int lesson = item->data(0, role_lesson).toInt();
    const int page = item->data(0, role_page).toInt();
    close();
    open_course_page(lesson, page);
    return true;
}

ContentsWindow* contents_window()
{
    if (!the_window || the_window->parentWidget() != Form1->shownWindow()) {
        delete the_window;
        the_window = new ContentsWindow(Form1->shownWindow());
        QObject::connect(the_window, &QObject::destroyed, [] { the_window = nullptr; });
    }
    return the_window;
}

void TForm1::B_inhaltClick()
{
    ContentsWindow* w = contents_window();
    w->refresh();
    w->show();
    w->raise();
    w->activateWindow();
    w->LV_inhalt->setFocus();
}
