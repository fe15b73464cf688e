// Number formatting and parsing; the point on point and comma locales.
#include "platform/numfmt.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>
#include <limits>

class TestNumfmt : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void nearest_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qlonglong>("expected");
        QTest::newRow("217.5 to even 218") << 217.5 << 218LL;
        QTest::newRow("72.5 to even 72") << 72.5 << 72LL;
        QTest::newRow("0.5 to even 0") << 0.5 << 0LL;
        QTest::newRow("1.5 to even 2") << 1.5 << 2LL;
        QTest::newRow("-2.5 to even -2") << -2.5 << -2LL;
        QTest::newRow("-3.5 to even -4") << -3.5 << -4LL;
        QTest::newRow("2.4999 down") << 2.4999 << 2LL;
        QTest::newRow("2.5001 up") << 2.5001 << 3LL;
    }
    void nearest()
    {
        QFETCH(double, value);
        QFETCH(qlonglong, expected);
        QCOMPARE(numfmt::nearest(value), expected);
    }

    void scientific_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1000, 3 decimals") << "C" << 1000.0 << 3 << "1.000E+003";
        QTest::newRow("0.01, 5 decimals") << "C" << 0.01 << 5 << "1.00000E-002";
        QTest::newRow("sqrt(10)/1000") << "C" << 0.00316227766 << 5 << "3.16228E-003";
        QTest::newRow("0.5 on a German system") << "de_DE" << 0.5 << 2 << "5.00E-001";
        QTest::newRow("100 as %.2e") << "C" << 100.0 << 2 << "1.00E+002";
        QTest::newRow("negative") << "C" << -2500.0 << 4 << "-2.5000E+003";
        QTest::newRow("zero") << "C" << 0.0 << 2 << "0.00E+000";
        QTest::newRow("large exponent") << "C" << 1e123 << 2 << "1.00E+123";
    }
    void scientific()
    {
        QFETCH(QString, locale);
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(numfmt::sci(value, decimals), expected);
    }

    void fixedPoint()
    {
        QCOMPARE(numfmt::fixed(200.0L / 3, 2), QString("66.67"));
        QCOMPARE(numfmt::fixed(-40, 2), QString("-40.00"));
        QCOMPARE(numfmt::fixed(23.333333L, 2, 7), QString("  23.33"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(numfmt::fixed(200.0L / 3, 2), QString("66.67"));
        QCOMPARE(numfmt::fixed(0, 2), QString("0.00"));
        QCOMPARE(numfmt::integer(-3), QString("-3"));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("value");
        using R = numfmt::ParseResult;
        QTest::newRow("plain") << "7" << int(R::Ok) << 7.0;
        QTest::newRow("point") << "0.5" << int(R::Ok) << 0.5;
        QTest::newRow("leading point") << ".25" << int(R::Ok) << 0.25;
        QTest::newRow("trailing point") << "3." << int(R::Ok) << 3.0;
        QTest::newRow("signed exponent") << "-1.5E-3" << int(R::Ok) << -0.0015;
        QTest::newRow("small e") << "2e2" << int(R::Ok) << 200.0;
        QTest::newRow("empty") << "" << int(R::Empty) << 0.0;
        QTest::newRow("letters") << "12a" << int(R::Invalid) << 0.0;
        QTest::newRow("space inside") << "1 2" << int(R::Invalid) << 0.0;
        QTest::newRow("lone sign") << "-" << int(R::Invalid) << 0.0;
        QTest::newRow("lone point") << "." << int(R::Invalid) << 0.0;
        QTest::newRow("exponent only") << "E5" << int(R::Invalid) << 0.0;
        QTest::newRow("comma not replaced") << "0,5" << int(R::Invalid) << 0.0;
        QTest::newRow("exponent too large") << "1E99999" << int(R::OutOfRange) << 0.0;
        QTest::newRow("trailing line break") << "5\n" << int(R::Invalid) << 0.0;
        QTest::newRow("trailing CR") << "5\r" << int(R::Invalid) << 0.0;
        QTest::newRow("leading line break") << "\n5" << int(R::Invalid) << 0.0;
        QTest::newRow("exponent then line break") << "5e2\n" << int(R::Invalid) << 0.0;
        QTest::newRow("trailing blank") << "5 " << int(R::Invalid) << 0.0;
        QTest::newRow("sign without exponent digits") << "5e+" << int(R::Invalid) << 0.0;
        QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("\xd9\xa5") << int(R::Invalid) << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(int, result);
        QFETCH(double, value);
        long double v = 0;
        QCOMPARE(int(numfmt::parse(text, v)), result);
        if (result == int(numfmt::ParseResult::Ok))
            QVERIFY(qAbs(double(v) - value) < 1e-12);
    }

    // The check of the text takes a time that grows with its length only:
    // long digit runs that end well or badly are both read at once.
    void longDigitRunsAreReadQuickly()
    {
        const QString digits(32766, '1');
        QElapsedTimer timer;
        timer.start();
        long double v = 0;
        QCOMPARE(numfmt::parse(digits + "x", v), numfmt::ParseResult::Invalid);
        QCOMPARE(numfmt::parse(digits + ".5e", v), numfmt::ParseResult::Invalid);
        QCOMPARE(numfmt::parse("0." + digits, v), numfmt::ParseResult::Ok);
        QVERIFY2(timer.elapsed() < 150, qPrintable(QString("%1 ms").arg(timer.elapsed())));
    }

    // Any number of decimals and any magnitude are written in full.
    void longTextsAreWrittenInFull()
    {
        QCOMPARE(numfmt::sci(1.5L, 150), "1.5" + QString(149, '0') + "E+000");
        QCOMPARE(numfmt::sci(-0.375L, 121), "-3.75" + QString(119, '0') + "E-001");
        QCOMPARE(numfmt::sci(0.5L, 20000), "5." + QString(20000, '0') + "E-001");
        QCOMPARE(numfmt::fixed(0.5L, 20000), "0.5" + QString(19999, '0'));
        QCOMPARE(numfmt::fixed(1.0L, -3), QString("1"));
        QCOMPARE(numfmt::fixed(-7.0L, 2, 200), QString(195, ' ') + "-7.00");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(numfmt::sci(1.0L, 130), "1." + QString(130, '0') + "E+000");
        QLocale::setDefault(QLocale::c());
        // The exact decimal expansion reads back as the same value.
        for (long double v : {1e120L, 1e200L, -3.7e1000L, std::numeric_limits<long double>::max()}) {
            const QString text = numfmt::fixed(v, 2);
            QVERIFY(text.endsWith(".00"));
            long double back = 0;
            QCOMPARE(numfmt::parse(text, back), numfmt::ParseResult::Ok);
            QVERIFY(back == v);
        }
    }

    // The C library follows LC_NUMERIC; a comma locale there must not leak in.
    void independentOfCLocale()
    {
        if (!setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no German C locale installed");
        long double v = 0;
        QCOMPARE(numfmt::parse("0.5", v), numfmt::ParseResult::Ok);
        QCOMPARE(double(v), 0.5);
        QCOMPARE(numfmt::sci(1000, 3), QString("1.000E+003"));
        setlocale(LC_NUMERIC, "C");
    }
};

QTEST_GUILESS_MAIN(TestNumfmt)
#include "test_numfmt.moc"
