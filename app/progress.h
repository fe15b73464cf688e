#pragma once
// The student's progress through the course: which pages were seen, the
// last score of each question page, the counters of the lessons, of all
// lessons and of the exercises, and the last page. It is kept from one run
// to the next in a store the main window is given; without a store (as in
// the tests) nothing is read or written.
#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <array>

class QSaveFile;

struct Count {
    long long answered = 0;
    long long solved = 0;
    friend bool operator==(const Count&, const Count&) = default;
};

struct CourseProgress {
    QSet<QString> seen;              // page ids
    QMap<QString, Count> scores;     // question page id -> its last scoring
    QString last_page;               // page id; empty before the first page
    std::array<Count, 9> lessons{};  // [1..8]
    Count total;
    std::array<Count, 3> exercises{}; // points, lines, constants: done / right
    friend bool operator==(const CourseProgress&, const CourseProgress&) = default;
};

// The file's own name and version: a file without them is none of ours.
inline constexpr char progress_format[] = "falkorin-fortschritt";
inline constexpr int progress_version = 1;

QByteArray progress_to_json(const CourseProgress& p);
// False, with a reason in German, when the data is no progress file of this
// program or holds values no run of it can have produced.
bool progress_from_json(const QByteArray& data, CourseProgress& p, QString& why);

// Where the progress is kept.
class ProgressStore {
public:
    virtual ~ProgressStore() = default;
    // False when nothing usable is stored; a damaged store is dealt with
    // (and the student told) here.
    virtual bool load(CourseProgress& p) = 0;
    // False when the progress could not be kept; what was kept before stays.
    virtual bool save(const CourseProgress& p) = 0;
};

// The progress file in the user's configuration folder.
class ProgressFile : public ProgressStore {
public:
    explicit ProgressFile(const QString& path);
    // fortschritt.json in the program's configuration folder.
    static QString defaultPath();
    const QString& path() const { return path_; }
    // A missing file is a first start. A damaged, foreign, truncated or
    // empty file is renamed aside, with a message, and the run starts afresh.
    bool load(CourseProgress& p) override;
    // Written whole or not at all: the old file is replaced only by a
    // complete new one. A failure is reported once until a save succeeds.
    bool save(const CourseProgress& p) override;

protected:
    // Writes the data into the open file; a full disk fails here.
    virtual bool writeData(QSaveFile& file, const QByteArray& data);

private:
    QString path_;
    bool failureReported_ = false;
    bool blocked_ = false; // a file that could be neither read nor moved aside
};

namespace progress {

// The progress of this run so far, taken from the program-wide counters.
CourseProgress current();
// Puts a stored progress into the counters and the page marks.
void apply(const CourseProgress& p);

// At start-up, after the introductory page: reads the store, if any.
void start(ProgressStore* store);
// Writes the progress into the store, if there is one.
void save();
// When the window that was given `store` closes: the last save; the store
// is let go. Another window's store is left alone.
void finish(ProgressStore* store);

// Every page calls this with its frame: the page is seen and is the last
// one; the page place in the navigation panel follows it.
void page_shown();
// A question page was scored: its last score.
void page_scored(const QString& id, const Count& score);
// The last score of a question page, if it has been scored.
const Count* score(const QString& id);
bool seen(const QString& id);
QString last_page();

// Forgets everything, after asking; false when the student declines.
bool reset();

// While set, pages drawn on the way to another page do not count as seen.
struct Passing {
    Passing();
    ~Passing();
};

// The line that tells where a page lies in the course, e.g.
// "Lektion 5 · Seite 13 von 13".
QString page_place(const QString& id);

} // namespace progress
