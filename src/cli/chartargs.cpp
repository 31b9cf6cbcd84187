#include "cli/chartargs.h"

#include "calendar/calendar.h"
#include "tidemarkversion.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace cli {

QString UsageText()
{
    return QStringLiteral(
        "Usage: tidemark-chart --name TEXT --birth MM-DD-YYYY --days N [--start MM-DD-YYYY]\n"
        "                      [--forecast] [--no-holidays] [--spacing single|double|lines]\n"
        "                      [--today MM-DD-YYYY] [--format text|json] [--cycles primary|all]\n"
        "                      [--ics FILE] [--reminder HH:MM|none]\n"
        "                      [--partner-name TEXT --partner-birth MM-DD-YYYY]\n"
        "                      [--print-text | --pdf FILE] [--what chart|cover|both|whatis]\n"
        "                      [--printer laser|matrix] [--font NAME] [--no-color]\n"
        "                      [--lines-per-page N] [--no-date-each-page] [--lead-in TEXT]\n"
        "                      [--heading TEXT]...\n"
        "       tidemark-chart (--print-text | --pdf FILE) --what whatis [--printer laser|matrix]\n"
        "                      [--font NAME] [--heading TEXT]...\n"
        "       tidemark-chart --help | --version\n");
}

QString VersionText()
{
    return QStringLiteral("tidemark-chart (Tidemark) " TIDEMARK_VERSION "\n");
}

QString HelpText()
{
    return UsageText() +
           QStringLiteral(
               "\n"
               "Writes the biorhythm chart of the Display Chart to Screen command to standard output.\n"
               "\n"
               "  --name TEXT          the person's name\n"
               "  --birth MM-DD-YYYY   the birthdate\n"
               "  --days N             the length of the chart in days, a whole number; the chart\n"
               "                       must end by 12-31-9999\n"
               "  --start MM-DD-YYYY   the first day of the chart (default: today)\n"
               "  --forecast           a daily forecast after each day\n"
               "  --no-holidays        no holiday, Friday the 13th and birthday lines\n"
               "  --spacing S          after each day: single (nothing), double (an empty line)\n"
               "                       or lines (a line of hyphens, the default)\n"
               "  --today MM-DD-YYYY   the date to take as today\n"
               "  --format F           text (the chart, the default) or json (one JSON object\n"
               "                       per day, one per line)\n"
               "  --cycles C           with --format json: primary (physical, emotional and\n"
               "                       intellectual, the default) or all (the secondary cycles\n"
               "                       intuitive, aesthetic, awareness and spiritual too)\n"
               "  --ics FILE           write the critical days, triple highs and lows and\n"
               "                       birthdays of the period to FILE as an iCalendar file\n"
               "                       (- for standard output)\n"
               "  --reminder R         with --ics: none (the default) or a time HH:MM, such as\n"
               "                       08:00: each event reminds at that time on its day\n"
               "  --partner-name TEXT  with --partner-birth, compare the person with a second one:\n"
               "  --partner-birth MM-DD-YYYY\n"
               "                       after the chart come the compatibility of each cycle and\n"
               "                       overall and the days on which both have a critical day;\n"
               "                       with --format json, a first line with the second person\n"
               "                       and the compatibility, and each day with their values\n"
               "\n"
               "Printing, with the window's Default Settings unless an option says otherwise:\n"
               "  --print-text         the dot-matrix pages as plain text, pages split by a form feed\n"
               "  --pdf FILE           the pages as a PDF file named exactly FILE (- for standard\n"
               "                       output)\n"
               "  --what W             chart (the default), cover (the cover sheet), both, or\n"
               "                       whatis (the \"What Is A Biorhythm?\" sheet, which needs\n"
               "                       no --name, --birth or --days); both into PDF makes two\n"
               "                       files, \"FILE - cover sheet.pdf\" and \"FILE - chart.pdf\"\n"
               "                       (FILE without its .pdf; not -)\n"
               "  --printer P          laser (the default) or matrix; --print-text is always matrix\n"
               "  --font NAME          the font of a laser printer (default: Arial)\n"
               "  --no-color           print in black only\n"
               "  --lines-per-page N   lines on a chart page (default: 50)\n"
               "  --no-date-each-page  no date of printing in each page title\n"
               "  --lead-in TEXT       the cover sheet's lead-in line\n"
               "  --heading TEXT       a cover sheet heading line; up to four times\n"
               "  --help               this text\n"
               "  --version            the program's name and version\n"
               "\n"
               "A FILE that is a symbolic link is written through to its target; a device, a FIFO\n"
               "or a terminal is written in place; a regular file is replaced only once the new\n"
               "one is complete.\n");
}

ParsedArguments ParseChartArguments(const QStringList &arguments)
{
    const QCommandLineOption name(QStringLiteral("name"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption birth(QStringLiteral("birth"), {}, QStringLiteral("MM-DD-YYYY"));
    const QCommandLineOption days(QStringLiteral("days"), {}, QStringLiteral("N"));
    const QCommandLineOption start(QStringLiteral("start"), {}, QStringLiteral("MM-DD-YYYY"));
    const QCommandLineOption today(QStringLiteral("today"), {}, QStringLiteral("MM-DD-YYYY"));
    const QCommandLineOption spacing(QStringLiteral("spacing"), {}, QStringLiteral("S"));
    const QCommandLineOption forecast(QStringLiteral("forecast"));
    const QCommandLineOption noHolidays(QStringLiteral("no-holidays"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("F"));
    const QCommandLineOption cycles(QStringLiteral("cycles"), {}, QStringLiteral("C"));
    const QCommandLineOption ics(QStringLiteral("ics"), {}, QStringLiteral("FILE"));
    const QCommandLineOption reminder(QStringLiteral("reminder"), {}, QStringLiteral("R"));
    const QCommandLineOption partnerName(QStringLiteral("partner-name"), {}, QStringLiteral("TEXT"));
    const QCommandLineOption partnerBirth(QStringLiteral("partner-birth"), {}, QStringLiteral("MM-DD-YYYY"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));

    QCommandLineParser parser;
    parser.addOptions({name, birth, days, start, today, spacing, forecast, noHolidays, format, cycles, ics,
                       reminder, partnerName, partnerBirth, help, version});
    parser.addOptions(PrintOptions());

    ParsedArguments parsed;
    if (!parser.parse(arguments)) {
        parsed.error = parser.errorText();
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.outcome = ParsedArguments::Outcome::Help;
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.outcome = ParsedArguments::Outcome::Version;
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        parsed.error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
        return parsed;
    }
    const PrintRequest printing = ReadPrintArguments(parser);
    if (!printing.error.isEmpty()) {
        parsed.error = printing.error;
        return parsed;
    }
    // The "What Is" sheet names nobody.
    const bool person = !printing.arguments || printing.arguments->what != print::PrintCommand::WhatIs;
    for (const QCommandLineOption *required : {&name, &birth, &days}) {
        if (person && !parser.isSet(*required)) {
            parsed.error = QStringLiteral("Missing option '--%1'.").arg(required->names().first());
            return parsed;
        }
    }

    ChartArguments &a = parsed.arguments;
    a.name = parser.value(name);
    a.birth = parser.value(birth);
    a.days = parser.value(days);
    // Digits only: the window reads "3x" as 3 and "1e9" as a billion, which a script never means.
    if ((person || parser.isSet(days)) &&
        (a.days.isEmpty() ||
         !std::all_of(a.days.begin(), a.days.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))) {
        parsed.error = QStringLiteral("--days must be a whole number of days, not \"%1\".").arg(a.days);
        return parsed;
    }
    if (parser.isSet(start))
        a.start = parser.value(start);
    a.forecast = parser.isSet(forecast);
    a.holidays = !parser.isSet(noHolidays);
    if (parser.isSet(spacing)) {
        const QString s = parser.value(spacing);
        if (s == QLatin1String("single"))
            a.spacing = chart::Spacing::Single;
        else if (s == QLatin1String("double"))
            a.spacing = chart::Spacing::Double;
        else if (s == QLatin1String("lines"))
            a.spacing = chart::Spacing::WithLines;
        else {
            parsed.error = QStringLiteral("Unknown spacing '%1': single, double or lines.").arg(s);
            return parsed;
        }
    }
    if (parser.isSet(today)) {
        // The clock always gives a real date; so must what stands in for it.
        a.today = parser.value(today);
        if (!calendar::ParseDateText(a.today)) {
            parsed.error = QStringLiteral("'--today %1' is not a date MM-DD-YYYY.").arg(a.today);
            return parsed;
        }
    }
    a.print = printing.arguments;
    if (parser.isSet(format)) {
        const QString f = parser.value(format);
        if (f == QLatin1String("json"))
            a.format = ChartArguments::Format::Json;
        else if (f != QLatin1String("text")) {
            parsed.error = QStringLiteral("--format takes text or json, not \"%1\".").arg(f);
            return parsed;
        }
    }
    a.icsPath = parser.value(ics);
    // Each of these writes something else in place of the screen chart.
    if (int(parser.isSet(ics)) + int(a.print.has_value()) + int(a.format != ChartArguments::Format::Text) >
        1) {
        parsed.error = QStringLiteral("--ics, --format json and printing cannot be given together.");
        return parsed;
    }
    if (parser.isSet(ics) && QFileInfo(a.icsPath).fileName().isEmpty()) {
        parsed.error = QStringLiteral("--ics needs a file name.");
        return parsed;
    }
    if (parser.isSet(cycles)) {
        const QString c = parser.value(cycles);
        if (c != QLatin1String("primary") && c != QLatin1String("all")) {
            parsed.error = QStringLiteral("--cycles takes primary or all, not \"%1\".").arg(c);
            return parsed;
        }
        a.allCycles = c == QLatin1String("all");
        if (a.allCycles && a.format != ChartArguments::Format::Json) {
            parsed.error = QStringLiteral("--cycles all needs --format json.");
            return parsed;
        }
    }
    if (parser.isSet(reminder)) {
        static const QRegularExpression timeOfDay(QStringLiteral("^([01][0-9]|2[0-3]):[0-5][0-9]$"));
        const QString r = parser.value(reminder);
        if (r != QLatin1String("none") && !timeOfDay.match(r).hasMatch()) {
            parsed.error = QStringLiteral("--reminder takes a time HH:MM or none, not \"%1\".").arg(r);
            return parsed;
        }
        if (!parser.isSet(ics)) {
            parsed.error = QStringLiteral("--reminder needs --ics.");
            return parsed;
        }
        a.reminder = QTime::fromString(r, QStringLiteral("HH:mm"));
    }
    if (parser.isSet(partnerName) != parser.isSet(partnerBirth)) {
        parsed.error = QStringLiteral("--partner-name and --partner-birth go together.");
        return parsed;
    }
    if (parser.isSet(partnerName)) {
        if (a.print || parser.isSet(ics)) {
            parsed.error =
                QStringLiteral("--partner-name compares on the chart or its JSON, not with --ics or "
                               "printing.");
            return parsed;
        }
        a.partner = ChartArguments::Partner{parser.value(partnerName), parser.value(partnerBirth)};
    }
    parsed.outcome = ParsedArguments::Outcome::Run;
    return parsed;
}

} // namespace cli
