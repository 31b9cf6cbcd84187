#pragma once

#include "platform/wording.h"
#include "settings/textfile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The user's preferences and the cover-sheet heading, as six small files in the data folder:
// read once at start-up into the main window's controls, written once at shut-down from them.
// Between the two only the controls hold the values; Preferences carries them across.
namespace settings {

// The printer the chart is laid out for: character columns for a dot-matrix printer, page
// positions for a laser printer. None until one is chosen.
enum class PrinterType { None, Matrix, Laser };

// The chart's line spacing: single, double, or double with a line after each day. None until
// one is chosen.
enum class Spacing { None, Single, Double, WithLines };

struct Preferences
{
    QString leadIn;                 // the cover sheet's line before the heading
    std::array<QString, 4> heading; // the cover sheet's heading: the preparer's name and address
    QString font;                   // the printer font's face name
    QString linesPerPage;           // chart lines per printed page, as typed
    PrinterType printer = PrinterType::None;
    Spacing spacing = Spacing::None;
    bool holidays = false;     // "Holiday Messages": the special-day lines in the chart
    bool dateEachPage = false; // "Current Date  Each Page": the date of printing in each page's title
    bool color = false;        // "Print In Color": the printed chart in colours
    bool forecast = false;     // "Daily Forecast": each day's forecast sentences

    bool operator==(const Preferences &) const = default;
};

// The controls as the window is built: empty texts, nothing checked, no option selected.
[[nodiscard]] Preferences DesignPreferences();

// The lead-in shown when cover.dat is empty.
[[nodiscard]] QString DefaultLeadIn();

// The heading lines shown when cover.dat is empty: a placeholder preparer.
[[nodiscard]] std::array<QString, 4> DefaultHeadingLines();

// The Default Settings command: the printing and chart preferences back to their defaults.
// The lead-in and heading lines are left as they are.
[[nodiscard]] Preferences ApplyDefaultSettings(Preferences preferences);

// "bioname.dat", created together with the settings files.
[[nodiscard]] QString NameDatabaseFileName();

// The six settings files in the order they are read and written.
[[nodiscard]] QStringList SettingsFileNames();

// Creates each of bioname.dat and the six settings files that is missing, empty and for its
// owner only (0600); existing files are left untouched. Returns an empty string on success, otherwise a
// sentence in `words` about the first file that could not be created (or that no folder was given).
[[nodiscard]] QString EnsureSettingsFiles(const QString &folder, Wording words = KeepEnglish);

// Reads the six files over `start` (the controls' state before loading). An empty or missing
// file gives that file's defaults; otherwise each field present sets its control and a control
// whose field is missing keeps its state from `start`. A file that exists but cannot be read is
// taken as empty, and the first such failure is put into *error as a sentence in `words` (else
// it is emptied). An empty folder name reads as a folder of missing files.
[[nodiscard]] Preferences LoadSettings(const QString &folder, const Preferences &start,
                                       QString *error = nullptr, Wording words = KeepEnglish);

// Writes the six files, in order, each replaced whole. A file that cannot be written keeps its
// old content and the others are still written. Returns the files that could not be written,
// none on success (with no folder given: one failure without a path, saying so).
[[nodiscard]] QList<WriteFailure> SaveSettings(const QString &folder, const Preferences &preferences);

// The one message for settings that could not be saved at exit: every file that could not be
// written, by folder and reason, and that each keeps what it held before while this run's
// changes to it are lost, in `words`.
[[nodiscard]] QString UnsavedSettingsMessage(const QList<WriteFailure> &failures,
                                             Wording words = KeepEnglish);

} // namespace settings
