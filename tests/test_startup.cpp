// Start-up on an unusual system: fonts that cannot be loaded, no desktop.
#include "platform/fontset.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fontconfig/fontconfig.h>

// Whether the current configuration draws the family with a font that has
// the letters of the program's texts (and not as empty boxes).
static bool drawable(const char* family)
{
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcCharSet* chars = nullptr;
    bool all = match && FcPatternGetCharSet(match, FC_CHARSET, 0, &chars) == FcResultMatch;
    for (char32_t c : std::u32string_view(U"Azäß°ω"))
        all = all && FcCharSetHasChar(chars, c);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return all;
}

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void fontsThatCannotBeLoadedLeaveTheSystemFonts_data()
    {
        QTest::addColumn<QStringList>("files"); // in the font folder; "-": no folder
        QTest::newRow("no folder") << QStringList{"-"};
        QTest::newRow("empty folder") << QStringList{};
        QTest::newRow("no fixed-pitch face") << QStringList{"LiberationSans-Regular.ttf"};
    }
    void fontsThatCannotBeLoadedLeaveTheSystemFonts()
    {
        QFETCH(QStringList, files);
        QTemporaryDir scratch;
        const QString folder = scratch.filePath("fonts");
        QVERIFY(files == QStringList{"-"} || QDir().mkdir(folder));
        for (const QString& f : files)
            QVERIFY(f == "-" || QFile::copy("/usr/share/fonts/truetype/liberation2/" + f, folder + "/" + f));
        FcConfig* before = FcConfigGetCurrent();
        QVERIFY(!platform::useProgramFontSet(QFile::encodeName(folder).constData()));
        QCOMPARE(FcConfigGetCurrent(), before);
        QVERIFY(drawable("Liberation Sans") && drawable("Liberation Mono"));
        // The program's own set, where the fonts are there.
        QVERIFY(platform::useProgramFontSet());
        QVERIFY(FcConfigGetCurrent() != before && drawable("sans-serif") && drawable("monospace"));
    }

    // The program says so in German and fails, with no display named, none
    // for the platform asked for, and one that does not answer. (The
    // installation test starts it with a platform that needs none.)
    void withoutDesktopTheProgramSaysSo_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::newRow("no display") << "" << "";
        QTest::newRow("xcb, no display") << "xcb" << "";
        QTest::newRow("wayland, only X11") << "wayland" << ":0";
        QTest::newRow("a display that does not answer") << "" << ":379";
    }
    void withoutDesktopTheProgramSaysSo()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QTemporaryDir home; // for what the toolkit may cache
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_CACHE_HOME"})
            env.remove(name);
        env.insert("HOME", home.path());
        for (const auto& [name, value] : {std::pair{"QT_QPA_PLATFORM", platform}, std::pair{"DISPLAY", display}})
            if (!value.isEmpty())
                env.insert(name, value);
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
