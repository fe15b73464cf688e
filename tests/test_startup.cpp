// Start-up on an unusual system: no desktop to show the window on, and
// fonts that cannot be loaded.
#include "platform/desktop_session.h"
#include "platform/fontset.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fontconfig/fontconfig.h>

namespace {
const char* const liberation = "/usr/share/fonts/truetype/liberation2";

// The file fontconfig draws a family with, if it has every letter of the
// program's texts: with the program's own set or the system's fallback.
QString fileFor(const char* family)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    QString file;
    FcChar8* path = nullptr;
    FcCharSet* chars = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch &&
        FcPatternGetCharSet(match, FC_CHARSET, 0, &chars) == FcResultMatch) {
        bool all = true;
        for (char32_t c : U"AZaz09äöüßÄÖÜ°µω")
            all = all && (!c || FcCharSetHasChar(chars, c));
        if (all)
            file = QFile::decodeName(reinterpret_cast<const char*>(path));
    }
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void fontsThatCannotBeLoadedLeaveTheSystemFonts_data()
    {
        QTest::addColumn<QStringList>("files"); // copied into the font folder; "-": no folder at all
        QTest::newRow("no folder") << QStringList{"-"};
        QTest::newRow("empty folder") << QStringList{};
        QTest::newRow("no fixed-pitch face") << QStringList{"LiberationSans-Regular.ttf"};
        QTest::newRow("a broken file") << QStringList{"LiberationSans-Regular.ttf", "broken:LiberationMono-Regular.ttf"};
    }
    void fontsThatCannotBeLoadedLeaveTheSystemFonts()
    {
        QFETCH(QStringList, files);
        QTemporaryDir scratch;
        QString folder = scratch.filePath("fonts");
        if (files != QStringList{"-"})
            QVERIFY(QDir().mkdir(folder));
        for (const QString& f : files) {
            if (f.startsWith("broken:")) {
                QFile broken(QDir(folder).filePath(f.mid(7)));
                QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no font") > 0);
            } else if (f != "-") {
                QVERIFY(QFile::copy(QDir(liberation).filePath(f), QDir(folder).filePath(f)));
            }
        }
        FcConfig* before = FcConfigGetCurrent();
        QVERIFY(!platform::useProgramFontSet(QFile::encodeName(folder).constData()));
        QCOMPARE(FcConfigGetCurrent(), before);
        for (const char* family : {"Liberation Sans", "Liberation Mono"})
            QVERIFY2(!fileFor(family).isEmpty(), family);
    }

    void liberationFontsAreTheProgramsOwnSet()
    {
        if (!QFileInfo::exists(liberation))
            QSKIP("the Liberation fonts are not installed");
        QVERIFY(platform::useProgramFontSet());
        QVERIFY(fileFor("Liberation Mono").startsWith(liberation));
        QVERIFY(fileFor("sans-serif").startsWith(liberation));
    }

    void desktopNamed_data()
    {
        QTest::addColumn<QString>("platform"); // QT_QPA_PLATFORM
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("option"); // -platform
        QTest::addColumn<bool>("named");
        QTest::newRow("nothing") << "" << "" << "" << "" << false;
        QTest::newRow("X11") << "" << ":0" << "" << "" << true;
        QTest::newRow("Wayland") << "" << "" << "wayland-0" << "" << true;
        QTest::newRow("xcb without X11") << "xcb" << "" << "wayland-0" << "" << false;
        QTest::newRow("wayland without Wayland") << "wayland-egl" << ":0" << "" << "" << false;
        QTest::newRow("either, one there") << "wayland;xcb" << ":0" << "" << "" << true;
        QTest::newRow("offscreen with options") << "offscreen:configfile=x" << "" << "" << "" << true;
        QTest::newRow("option wins") << "xcb" << "" << "" << "offscreen" << true;
    }
    void desktopNamed()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, option);
        QFETCH(bool, named);
        const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
        qputenv("DISPLAY", display.toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", wayland.toLocal8Bit());
        QByteArray program("falkorin"), dash("-platform"), value = option.toLocal8Bit();
        char* argv[] = {program.data(), dash.data(), value.data(), nullptr};
        const bool result = platform::desktopNamed(option.isEmpty() ? 1 : 3, argv);
        qputenv("QT_QPA_PLATFORM", saved);
        QCOMPARE(result, named);
    }

    // The program itself: a German message and a failure code instead of
    // the toolkit's abort, both with no display named and with one that does
    // not answer.
    void withoutDesktopTheProgramSaysSo_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::newRow("no display") << "" << "";
        QTest::newRow("xcb, no display") << "xcb" << "";
        QTest::newRow("a display that does not answer") << "" << ":379";
    }
    void withoutDesktopTheProgramSaysSo()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(name);
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        env.insert("HOME", home.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(FALKORIN_PROGRAM, QStringList());
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString said = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(said.contains("grafische") && !said.contains("Reinstall"), qPrintable(said));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
