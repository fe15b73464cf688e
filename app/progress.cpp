// The student's progress: kept in memory while the program runs and, in
// the store the window is given, from one run to the next.
#include "app/progress.h"

#include "app/Unit1.h"
#include "app/contents.h"
#include "app/exercises.h"
#include "platform/numfmt.h"
#include "platform/system.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Page ids of the lessons, the introduction and the own example.
bool valid_page_id(const QString& id)
{
    if (id == QLatin1String("00_01") || id == QLatin1String("09_01"))
        return true;
    if (id.size() != 5 || id.at(2) != QLatin1Char('_'))
        return false;
    bool ok1 = false, ok2 = false;
    const int lesson = id.left(2).toInt(&ok1);
    const int page = id.mid(3).toInt(&ok2);
    return ok1 && ok2 && lesson >= 1 && lesson <= 8 && page >= 1 &&
           page <= lesson_page_count[static_cast<size_t>(lesson)];
}

const char* const exercise_names[3] = {"points", "lines", "constants"};

QJsonObject count_json(const Count& c, const char* answered = "answered", const char* solved = "solved")
{
    return {{QLatin1String(answered), double(c.answered)}, {QLatin1String(solved), double(c.solved)}};
}

// A counter as this program writes it: a whole number from 0 to `limit`.
bool read_number(const QJsonValue& v, long long limit, long long& out)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= 0 && d <= double(limit)) || std::floor(d) != d)
        return false;
    out = static_cast<long long>(d);
    return true;
}

bool read_count(const QJsonValue& v, long long limit, Count& c, const char* answered = "answered",
                const char* solved = "solved")
{
    const QJsonObject o = v.toObject();
    return v.isObject() && read_number(o.value(QLatin1String(answered)), limit, c.answered) &&
           read_number(o.value(QLatin1String(solved)), limit, c.solved) && c.solved <= c.answered;
}

} // namespace

QByteArray progress_to_json(const CourseProgress& p)
{
    QJsonObject o;
    o.insert(QStringLiteral("format"), QLatin1String(progress_format));
    o.insert(QStringLiteral("version"), progress_version);
    o.insert(QStringLiteral("saved"), QDateTime::currentDateTime().toString(Qt::ISODate));
    o.insert(QStringLiteral("last_page"), p.last_page);
    QStringList seen(p.seen.begin(), p.seen.end());
    seen.sort();
    o.insert(QStringLiteral("pages_seen"), QJsonArray::fromStringList(seen));
    QJsonArray lessons;
    for (size_t l = 1; l <= 8; ++l)
        lessons.append(count_json(p.lessons[l]));
    o.insert(QStringLiteral("lessons"), lessons);
    o.insert(QStringLiteral("total"), count_json(p.total));
    QJsonObject scores;
    for (auto it = p.scores.begin(); it != p.scores.end(); ++it)
        scores.insert(it.key(), count_json(it.value()));
    o.insert(QStringLiteral("question_pages"), scores);
    QJsonObject exercises;
    for (size_t e = 0; e < 3; ++e)
        exercises.insert(QLatin1String(exercise_names[e]), count_json(p.exercises[e], "done", "right"));
    o.insert(QStringLiteral("exercises"), exercises);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool progress_from_json(const QByteArray& data, CourseProgress& p, QString& why)
{
    if (data.trimmed().isEmpty()) {
        why = QStringLiteral("Die Datei ist leer.");
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &error);
    if (error.error != QJsonParseError::NoError) {
        why = QStringLiteral("Die Datei ist beschädigt oder unvollständig.");
        return false;
    }
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toString() != QLatin1String(progress_format)) {
        why = QStringLiteral("Die Datei ist kein Lernstand dieses Programms.");
        return false;
    }
    const QJsonValue version = o.value(QStringLiteral("version"));
    if (!version.isDouble()) {
        why = QStringLiteral("Die Datei nennt keine Version.");
        return false;
    }
    if (version.toDouble() != progress_version) {
        why = QStringLiteral("Die Datei hat die Version ") + numfmt::fixed(version.toDouble(), 0) +
              QStringLiteral(", dieses Programm kennt nur die Version ") + numfmt::integer(progress_version) +
              QStringLiteral(".");
        return false;
    }

    why = QStringLiteral("Die Datei enthält ungültige Werte.");
    CourseProgress r;
    const QJsonValue last = o.value(QStringLiteral("last_page"));
    if (!last.isString() || (!last.toString().isEmpty() && !valid_page_id(last.toString())))
        return false;
    r.last_page = last.toString();
    const QJsonValue seen = o.value(QStringLiteral("pages_seen"));
    if (!seen.isArray())
        return false;
    for (const QJsonValue& v : seen.toArray()) {
        if (!v.isString() || !valid_page_id(v.toString()))
            return false;
        r.seen.insert(v.toString());
    }
    // The lesson counters are 32-bit; the totals are exact in a double.
    const long long lesson_limit = 2147483647LL;
    const long long total_limit = 1LL << 53;
    const QJsonArray lessons = o.value(QStringLiteral("lessons")).toArray();
    if (lessons.size() != 8)
        return false;
    for (size_t l = 1; l <= 8; ++l)
        if (!read_count(lessons.at(qsizetype(l - 1)), lesson_limit, r.lessons[l]))
            return false;
    if (!read_count(o.value(QStringLiteral("total")), total_limit, r.total))
        return false;
    const QJsonValue scores = o.value(QStringLiteral("question_pages"));
    if (!scores.isObject())
        return false;
    const QJsonObject so = scores.toObject();
    for (auto it = so.begin(); it != so.end(); ++it) {
        Count c;
        if (!valid_page_id(it.key()) || !read_count(it.value(), 5, c))
            return false;
        r.scores.insert(it.key(), c);
    }
    const QJsonObject exercises = o.value(QStringLiteral("exercises")).toObject();
    for (size_t e = 0; e < 3; ++e)
        if (!read_count(exercises.value(QLatin1String(exercise_names[e])), lesson_limit, r.exercises[e], "done",
                        "right"))
            return false;
    p = r;
    why.clear();
    return true;
}

// ---------------------------------------------------------------------------
// The progress file

ProgressFile::ProgressFile(const QString& path) : path_(path) {}

QString ProgressFile::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("fortschritt.json"));
}

static QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool ProgressFile::load(CourseProgress& p)
{
    QFile file(path_);
    if (!file.exists())
        return false;
    QString why;
    if (!file.open(QIODevice::ReadOnly))
        why = QStringLiteral("Die Datei lässt sich nicht lesen.");
    else if (progress_from_json(file.readAll(), p, why))
        return true;
    file.close();

    // The file is kept under another name, so that nothing is lost and the
    // next save does not overwrite it.
    QString aside = path_ + QStringLiteral(".beschaedigt");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".beschaedigt-%1").arg(n);
    const QString head = QStringLiteral("Der gespeicherte Lernstand konnte nicht übernommen werden.\r") + why +
                         QStringLiteral("\r\r");
    if (QFile::rename(path_, aside)) {
        platform::showMessage(platform::MessageType::Error,
                              head + QStringLiteral("Die Datei wurde zur Seite gelegt:\r") + native(aside) +
                                  QStringLiteral("\r\rDas Programm beginnt mit einem neuen Lernstand."));
    } else {
        // It cannot be moved: it must not be overwritten either.
        failureReported_ = true;
        blocked_ = true;
        platform::showMessage(platform::MessageType::Error,
                              head + QStringLiteral("Die Datei\r") + native(path_) +
                                  QStringLiteral("\rließ sich nicht umbenennen. Sie bleibt unverändert; der Lernstand "
                                                 "dieser Sitzung wird nicht gespeichert."));
    }
    return false;
}

bool ProgressFile::writeData(QSaveFile& file, const QByteArray& data)
{
    return file.write(data) == data.size();
}

bool ProgressFile::save(const CourseProgress& p)
{
    if (blocked_)
        return false;
    const QByteArray data = progress_to_json(p);
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        saved = writeData(file, data) && file.flush() && file.error() == QFileDevice::NoError;
        if (!saved)
            file.cancelWriting();
        saved = file.commit() && saved;
    }
    if (saved) {
        failureReported_ = false;
        return true;
    }
    if (!failureReported_) {
        failureReported_ = true;
        platform::showMessage(platform::MessageType::Error,
                              QStringLiteral("Der Lernstand konnte nicht gespeichert werden:\r\r") + native(path_) +
                                  QStringLiteral("\r\r") + file.errorString() +
                                  QStringLiteral("\r\rDer zuletzt gespeicherte Stand bleibt erhalten."));
    }
    return false;
}

// ---------------------------------------------------------------------------
// The progress of this run

namespace progress {

namespace {
ProgressStore* store = nullptr;
// The page marks; the counters live in the program-wide state.
QSet<QString> seen_pages;
QMap<QString, Count> scores;
QString last;
int passing = 0;
// What was last written. A page change that only moves the last page is
// written a moment later (or when the window closes) rather than at once:
// paging through seen pages does not write the file for every page.
std::optional<CourseProgress> written;
QTimer* later = nullptr;
constexpr int later_ms = 2000;

std::array<std::pair<int*, int*>, 3> exercise_counters()
{
    return {{{&points_done, &points_right}, {&lines_done, &lines_right}, {&constants_done, &constants_right}}};
}

// The introduction offers the way back to the last page, with a summary.
void show_intro_offer()
{
    TForm1* f = Form1;
    const bool offer = page_id == QLatin1String("00_01") && !last.isEmpty();
    f->P_fortschritt->setVisible(offer);
    if (!offer)
        return;
    const CourseProgress p = current();
    int course_seen = 0;
    for (const QString& id : p.seen)
        course_seen += id != QLatin1String("00_01") && id != QLatin1String("09_01");
    f->L_zuletzt->setText(QStringLiteral("Zuletzt: ") + page_place(last));
    f->L_bilanz->setText(numfmt::integer(course_seen) + QStringLiteral(" von 49 Seiten, ") +
                         numfmt::integer(p.total.solved) + QStringLiteral(" von ") +
                         numfmt::integer(p.total.answered) + QStringLiteral(" Aufgaben gelöst"));
}
} // namespace

CourseProgress current()
{
    CourseProgress p;
    p.seen = seen_pages;
    p.scores = scores;
    p.last_page = last;
    for (size_t l = 1; l <= 8; ++l)
        p.lessons[l] = {lesson_answered[l], lesson_solved[l]};
    p.total = {total_answered, total_solved};
    const auto counters = exercise_counters();
    for (size_t e = 0; e < 3; ++e)
        p.exercises[e] = {*counters[e].first, *counters[e].second};
    return p;
}

void apply(const CourseProgress& p)
{
    seen_pages = p.seen;
    scores = p.scores;
    last = p.last_page;
    for (size_t l = 1; l <= 8; ++l) {
        lesson_answered[l] = static_cast<int>(p.lessons[l].answered);
        lesson_solved[l] = static_cast<int>(p.lessons[l].solved);
    }
    total_answered = p.total.answered;
    total_solved = p.total.solved;
    const auto counters = exercise_counters();
    for (size_t e = 0; e < 3; ++e) {
        *counters[e].first = static_cast<int>(p.exercises[e].answered);
        *counters[e].second = static_cast<int>(p.exercises[e].solved);
    }
    if (Form1) {
        Form1->show_statistics();
        // An exercise shows its own counters in its statistics line.
        if (point_mode)
            Form1->P_statistik->setCaption(point_statistics());
        else if (line_mode)
            Form1->P_statistik->setCaption(line_statistics());
        else if (constant_mode)
            Form1->P_statistik->setCaption(constant_statistics());
        show_intro_offer();
    }
}

void start(ProgressStore* s)
{
    store = s;
    written.reset();
    if (later)
        later->stop();
    if (store && Form1 && !later) {
        later = new QTimer(Form1);
        later->setSingleShot(true);
        later->setInterval(later_ms);
        QObject::connect(later, &QTimer::timeout, [] { save(); });
        QObject::connect(later, &QObject::destroyed, [] { later = nullptr; });
    }
    seen_pages.clear();
    scores.clear();
    last.clear();
    CourseProgress p = current();
    if (store && store->load(p))
        apply(p);
    else
        show_intro_offer();
}

void save()
{
    if (later)
        later->stop();
    if (!store)
        return;
    written = current();
    store->save(*written);
}

// After a page change: at once when more than the last page changed.
static void save_page()
{
    if (!store)
        return;
    CourseProgress p = current();
    if (written)
        p.last_page = written->last_page;
    if (written && p == *written && later) {
        later->start();
        return;
    }
    save();
}

void finish(ProgressStore* s)
{
    if (!s || s != store)
        return;
    save();
    store = nullptr;
}

void page_shown()
{
    TForm1* f = Form1;
    f->L_seite->setText(page_place(page_id));
    f->L_seite->move((f->P_Wahl->width() - f->L_seite->width()) / 2, f->L_seite->y());
    if (passing == 0 && page_id != QLatin1String("00_01")) {
        seen_pages.insert(page_id);
        last = page_id;
        save_page();
    }
    show_intro_offer();
}

void page_scored(const QString& id, const Count& score)
{
    scores.insert(id, score);
    save();
}

const Count* score(const QString& id)
{
    const auto it = scores.constFind(id);
    return it == scores.constEnd() ? nullptr : &it.value();
}

bool seen(const QString& id)
{
    return seen_pages.contains(id);
}

QString last_page()
{
    return last;
}

bool reset()
{
    if (!platform::askQuestion(QStringLiteral("Soll der ganze Lernstand vergessen werden?\r\r"
                                              "Alle gesehenen Seiten, Ergebnisse und Zähler werden auf null "
                                              "gesetzt. Das lässt sich nicht rückgängig machen."),
                               QStringLiteral("Fortschritt zurücksetzen")))
        return false;
    apply(CourseProgress{});
    save();
    return true;
}

Passing::Passing()
{
    ++passing;
}

Passing::~Passing()
{
    --passing;
}

QString page_place(const QString& id)
{
    if (id == QLatin1String("00_01"))
        return QStringLiteral("Einführung  ·  8 Lektionen mit 49 Seiten");
    if (id == QLatin1String("09_01"))
        return QStringLiteral("Eigenes Beispiel");
    const int lesson = id.left(2).toInt();
    if (lesson < 1 || lesson > 8)
        return QString();
    return QStringLiteral("Lektion %1  ·  Seite %2 von %3")
        .arg(lesson)
        .arg(id.mid(3).toInt())
        .arg(lesson_page_count[static_cast<size_t>(lesson)]);
}

} // namespace progress

void TForm1::B_weiterClick()
{
    const QString id = progress::last_page();
    if (id.isEmpty())
        return;
    open_course_page(id.left(2).toInt(), id.mid(3).toInt());
}
