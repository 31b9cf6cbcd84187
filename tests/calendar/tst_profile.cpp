#include "calendar/calendar.h"
#include "calendar/profile.h"

#include <QTest>

#include "support/testmain.h"

using namespace calendar;

Q_DECLARE_METATYPE(calendar::PersonBoxes)

class TestProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signs_data();
    void signs();
    void birthdateTypedCharacterByCharacter();
    void birthdateChanges_data();
    void birthdateChanges();
    void startDateChanges_data();
    void startDateChanges();
    void lengthChanges_data();
    void lengthChanges();
    void failedStartDateIsNotUsed_data();
    void failedStartDateIsNotUsed();
};

void TestProfile::signs_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("sign");
    QTest::newRow("01-19") << "01-19-1990"
                           << "Capricorn";
    QTest::newRow("01-20") << "01-20-1990"
                           << "Aquarius";
    QTest::newRow("02-18") << "02-18-1990"
                           << "Aquarius";
    QTest::newRow("02-19") << "02-19-1990"
                           << "Pisces";
    QTest::newRow("02-30 still Pisces") << "02-30-1990"
                                        << "Pisces";
    QTest::newRow("03-21") << "03-21-1990"
                           << "Aries";
    QTest::newRow("05-20") << "05-20-1990"
                           << "Taurus";
    QTest::newRow("05-21") << "05-21-1990"
                           << "Gemini";
    QTest::newRow("07-22") << "07-22-1990"
                           << "Cancer";
    QTest::newRow("07-23") << "07-23-1990"
                           << "Leo";
    QTest::newRow("10-23") << "10-23-1990"
                           << "Scorpio";
    QTest::newRow("11-21") << "11-21-1990"
                           << "Scorpio";
    QTest::newRow("11-22") << "11-22-1990"
                           << "Sagittarius";
    QTest::newRow("12-21") << "12-21-1990"
                           << "Sagittarius";
    QTest::newRow("12-22") << "12-22-1990"
                           << "Capricorn";
    QTest::newRow("12-31") << "12-31-1990"
                           << "Capricorn";
    QTest::newRow("month not a month") << "0A-12-1990"
                                       << "";
}

void TestProfile::signs()
{
    QFETCH(QString, birth);
    QFETCH(QString, sign);
    QCOMPARE(SignOf(birth), sign);
}

void TestProfile::birthdateTypedCharacterByCharacter()
{
    PersonBoxes boxes;
    boxes.start = QStringLiteral("05-19-2024");
    const QString typed = QStringLiteral("05-20-1990");
    for (int i = 1; i <= typed.size(); ++i) {
        boxes.birth = typed.left(i);
        const BoxUpdate update = BirthdateChanged(boxes);
        QVERIFY(!update.message);
        boxes = update.boxes;
        if (i < 10) {
            QVERIFY(boxes.weekday.isEmpty());
            QVERIFY(boxes.ageYears.isEmpty());
            QVERIFY(boxes.ageDays.isEmpty());
        }
    }
    QCOMPARE(boxes.sign, QStringLiteral("Taurus"));
    QCOMPARE(boxes.weekday, QStringLiteral("Sunday"));
    QCOMPARE(boxes.ageYears, QStringLiteral("33"));
    QCOMPARE(boxes.ageDays, QString::number(*AgeInDays(u"05-20-1990", u"05-19-2024")));
}

void TestProfile::birthdateChanges_data()
{
    QTest::addColumn<PersonBoxes>("before");
    QTest::addColumn<PersonBoxes>("after");
    QTest::addColumn<QString>("title");

    const PersonBoxes full{"05-20-1990", "Taurus", "Sunday", "12784", "35", "05-20-2025", "", ""};
    PersonBoxes shortened = full;
    shortened.birth = QStringLiteral("05-20-199");
    PersonBoxes shortenedAfter = shortened;
    shortenedAfter.weekday.clear();
    shortenedAfter.ageDays.clear();
    shortenedAfter.ageYears.clear();
    QTest::newRow("last character deleted keeps the sign") << shortened << shortenedAfter << "";

    PersonBoxes emptied = full;
    emptied.birth.clear();
    PersonBoxes emptiedAfter{"", "", "", "", "", "05-20-2025", "", ""};
    QTest::newRow("all deleted clears the sign too") << emptied << emptiedAfter << "";

    PersonBoxes month13 = full;
    month13.birth = QStringLiteral("13-20-1990");
    QTest::newRow("month 13 keeps the facts") << month13 << month13 << "MONTH DATE INPUT ERROR IN BIRTH DATE";

    PersonBoxes tooLong = full;
    tooLong.birth = QStringLiteral("05-20-19901");
    PersonBoxes tooLongAfter = tooLong;
    tooLongAfter.weekday.clear();
    tooLongAfter.ageDays.clear();
    tooLongAfter.ageYears.clear();
    QTest::newRow("eleven characters") << tooLong << tooLongAfter << "DATE ERROR!";

    PersonBoxes noStart{"05-20-1990", "", "", "", "", "05-2", "", ""};
    PersonBoxes noStartAfter{"05-20-1990", "Taurus", "Sunday", "", "", "05-2", "", ""};
    QTest::newRow("incomplete start leaves ages empty") << noStart << noStartAfter << "";

    PersonBoxes later{"05-20-2030", "", "", "", "", "05-20-2025", "", ""};
    PersonBoxes laterAfter{"05-20-2030", "Taurus", "Monday", "-1826", "-5", "05-20-2025", "", ""};
    QTest::newRow("birth after start gives negative ages") << later << laterAfter << "";

    PersonBoxes letters{"0A-20-19x5", "", "", "", "", "05-20-2025", "", ""};
    QTest::newRow("non-digits derive nothing") << letters << letters << "";
}

void TestProfile::birthdateChanges()
{
    QFETCH(PersonBoxes, before);
    QFETCH(PersonBoxes, after);
    QFETCH(QString, title);
    const BoxUpdate update = BirthdateChanged(before);
    QCOMPARE(update.message ? update.message->title : QString(), title);
    QCOMPARE(update.boxes.sign, after.sign);
    QCOMPARE(update.boxes.weekday, after.weekday);
    QCOMPARE(update.boxes.ageDays, after.ageDays);
    QCOMPARE(update.boxes.ageYears, after.ageYears);
    QCOMPARE(update.boxes, after);
}

void TestProfile::startDateChanges_data()
{
    QTest::addColumn<PersonBoxes>("before");
    QTest::addColumn<PersonBoxes>("after");
    QTest::addColumn<QString>("title");

    const PersonBoxes base{"05-20-1990", "Taurus", "Sunday", "12784", "35", "05-20-2025", "30", "06-18-2025"};
    PersonBoxes partial = base;
    partial.start = QStringLiteral("03-1");
    QTest::newRow("incomplete start clears ages, length and end")
        << partial << PersonBoxes{"05-20-1990", "Taurus", "Sunday", "", "", "03-1", "", ""} << "";

    PersonBoxes changed = base;
    changed.start = QStringLiteral("05-19-2024");
    QTest::newRow("new start refreshes ages and asks for the length again")
        << changed << PersonBoxes{"05-20-1990", "Taurus", "Sunday", "12418", "33", "05-19-2024", "", ""}
        << "";

    PersonBoxes slashes = base;
    slashes.start = QStringLiteral("03/15/2024");
    QTest::newRow("hyphen error clears ages")
        << slashes << PersonBoxes{"05-20-1990", "Taurus", "Sunday", "", "", "03/15/2024", "", ""}
        << "DATE HYPHEN ERROR IN MM-DD-YYYY!";

    PersonBoxes tooLong = base;
    tooLong.start = QStringLiteral("05-20-20255");
    QTest::newRow("eleven characters")
        << tooLong << PersonBoxes{"05-20-1990", "Taurus", "Sunday", "", "", "05-20-20255", "", ""}
        << "DATE ERROR!";

    PersonBoxes letters = base;
    letters.start = QStringLiteral("0A-20-2025");
    QTest::newRow("letters in month leave ages empty")
        << letters << PersonBoxes{"05-20-1990", "Taurus", "Sunday", "", "", "0A-20-2025", "", ""} << "";
}

void TestProfile::startDateChanges()
{
    QFETCH(PersonBoxes, before);
    QFETCH(PersonBoxes, after);
    QFETCH(QString, title);
    const BoxUpdate update = StartDateChanged(before);
    QCOMPARE(update.message ? update.message->title : QString(), title);
    QCOMPARE(update.boxes.ageDays, after.ageDays);
    QCOMPARE(update.boxes.ageYears, after.ageYears);
    QCOMPARE(update.boxes, after);
}

void TestProfile::lengthChanges_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("keptLength");
    QTest::addColumn<QString>("end");
    QTest::newRow("twenty days") << "01-15-2024"
                                 << "20"
                                 << "20"
                                 << "02-03-2024";
    QTest::newRow("one day") << "01-15-2024"
                             << "1"
                             << "1"
                             << "01-15-2024";
    QTest::newRow("fraction counts whole part") << "01-15-2024"
                                                << "20.9"
                                                << "20.9"
                                                << "02-03-2024";
    QTest::newRow("zero") << "01-15-2024"
                          << "0"
                          << "0"
                          << "";
    QTest::newRow("negative") << "01-15-2024"
                              << "-3"
                              << "-3"
                              << "";
    QTest::newRow("letters") << "01-15-2024"
                             << "ab"
                             << "ab"
                             << "";
    QTest::newRow("empty") << "01-15-2024"
                           << ""
                           << ""
                           << "";
    QTest::newRow("too big for an integer") << "01-15-2024"
                                            << "99999999999999999999999"
                                            << "99999999999999999999999"
                                            << "";
    QTest::newRow("past 9999") << "01-15-2024"
                               << "3000000"
                               << "3000000"
                               << "";
    QTest::newRow("start incomplete undoes the keystroke") << "01-15-20"
                                                           << "5"
                                                           << ""
                                                           << "";
}

void TestProfile::lengthChanges()
{
    QFETCH(QString, start);
    QFETCH(QString, length);
    QFETCH(QString, keptLength);
    QFETCH(QString, end);
    PersonBoxes boxes;
    boxes.start = start;
    boxes.length = length;
    boxes.end = QStringLiteral("stale");
    const PersonBoxes after = LengthChanged(boxes);
    QCOMPARE(after.length, keptLength);
    QCOMPARE(after.end, end);
}

void TestProfile::failedStartDateIsNotUsed_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("used");
    QTest::newRow("passes every check") << "05-19-2024" << true;
    QTest::newRow("separator check failed") << "03/15/2024" << false;
    QTest::newRow("month check failed") << "13-15-2024" << false;
    QTest::newRow("letters pass the checks as text") << "0A-15-2024" << false;
    QTest::newRow("too much data") << "03-15-20244" << false;
}

void TestProfile::failedStartDateIsNotUsed()
{
    QFETCH(QString, start);
    QFETCH(bool, used);
    // What the start date box left behind: its handler has already emptied the ages.
    const PersonBoxes boxes{"05-20-1990", "", "", "", "", start, "30", ""};
    const PersonBoxes afterBirth = BirthdateChanged(boxes).boxes;
    QCOMPARE(afterBirth.ageYears.isEmpty(), !used);
    QCOMPARE(afterBirth.ageDays.isEmpty(), !used);
    QCOMPARE(LengthChanged(boxes).end.isEmpty(), !used);
}

TIDEMARK_TEST(TestProfile)
#include "tst_profile.moc"
