// The three number formats: fixed with d decimals (fewer of d decimals or 4 significant digits), general
// (shortest, at most 4 significant digits) and round-to-integer with ties to even.
#include <QtTest>

#include "platform/NumberFormat.h"

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void Fixed_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cantilever free end") << 20.046 << 2 << "20.05";
        QTest::newRow("negative readout") << -1.3864 << 2 << "-1.39";
        QTest::newRow("force label of 250 g") << 250 * 0.00980665 << 2 << "2.45";
        QTest::newRow("zero") << 0.0 << 2 << "0.00";
        QTest::newRow("tiny negative rounds to unsigned zero") << -0.001 << 2 << "0.00";
        QTest::newRow("four significant digits beat 2 decimals") << 123.456 << 2 << "123.50";
        QTest::newRow("five integer digits keep four significant") << 12345.6 << 2 << "12350.00";
        QTest::newRow("carry adds a digit") << 9.995 << 2 << "10.00";
        QTest::newRow("half rounds away from zero as written") << 2.675 << 2 << "2.68";
        QTest::newRow("negative half") << -0.125 << 2 << "-0.13";
        QTest::newRow("no decimals") << 250.0 << 0 << "250";
        QTest::newRow("no decimals rounds half up") << 2.5 << 0 << "3";
        QTest::newRow("small value") << 0.0456 << 2 << "0.05";
    }
    void Fixed() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(FormatFixed(value, decimals, QLocale::c()), expected);
    }

    void General_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 2.0 << "2";
        QTest::newRow("half") << 2.5 << "2.5";
        QTest::newRow("negative half") << -0.5 << "-0.5";
        QTest::newRow("negative whole") << -21.0 << "-21";
        QTest::newRow("four significant digits") << 12.345 << "12.35";
        QTest::newRow("trailing zeros dropped") << 1.50 << "1.5";
        QTest::newRow("small") << 0.001234 << "0.001234";
        QTest::newRow("large goes scientific") << 123456.0 << "1.235E5";
        // The edge between the two forms: four integer digits stay plain, five go scientific.
        QTest::newRow("9999.4: four digits, plain") << 9999.4 << "9999";
        QTest::newRow("-9999.4: four digits, plain") << -9999.4 << "-9999";
        QTest::newRow("9999.5 rounds to 10000: scientific") << 9999.5 << "1E4";
        QTest::newRow("10000: scientific") << 10000.0 << "1E4";
        QTest::newRow("12345: scientific") << 12345.0 << "1.235E4";
        QTest::newRow("-54321: scientific") << -54321.0 << "-5.432E4";
        QTest::newRow("99990: scientific") << 99990.0 << "9.999E4";
        QTest::newRow("99999 rounds to 1E5") << 99999.0 << "1E5";
        QTest::newRow("100000: scientific") << 100000.0 << "1E5";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void General() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(FormatGeneral(value, QLocale::c()), expected);
    }

    void CommaLocale() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(FormatFixed(-20.046, 2, german), QStringLiteral("-20,05"));
        QCOMPARE(FormatGeneral(1.5, german), QStringLiteral("1,5"));
        QCOMPARE(FormatGeneral(-2.0, german), QStringLiteral("-2"));
    }

    void RoundToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<qlonglong>("expected");
        QTest::newRow("2.5 to 2") << 2.5 << 2LL;
        QTest::newRow("3.5 to 4") << 3.5 << 4LL;
        QTest::newRow("-2.5 to -2") << -2.5 << -2LL;
        QTest::newRow("-0.5 to 0") << -0.5 << 0LL;
        QTest::newRow("-1.5 to -2") << -1.5 << -2LL;
        QTest::newRow("just above half") << 20.5001 << 21LL;
        QTest::newRow("just below half") << 20.4999 << 20LL;
    }
    void RoundToEven() {
        QFETCH(double, value);
        QFETCH(qlonglong, expected);
        QCOMPARE(RoundHalfEven(value), expected);
    }
};

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_number_format.moc"
