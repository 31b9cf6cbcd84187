#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one question every command that writes a file the user names asks: where to save it.
// Printing into PDF files when there is no print queue, Export as PDF, Save Graph and Export to
// Calendar all ask it through MainWindowEnv::askSavePath, so that tests answer it directly.
struct SaveQuestion
{
    QString caption;       // what is saved: the dialog's title
    QString suggestedPath; // a full path, in the user's documents folder
    QString filter;        // the file types offered, as "PDF files (*.pdf)"
    // What the dialog says inside it for the file name typed in it; none: nothing.
    std::function<QString(const QString &fileName)> note = {};
    // The same question: the same words, the note as it reads for the suggested file.
    bool operator==(const SaveQuestion &other) const
    {
        const auto noteText = [](const SaveQuestion &q) {
            return q.note ? q.note(q.suggestedPath) : QString();
        };
        return caption == other.caption && suggestedPath == other.suggestedPath && filter == other.filter &&
               noteText(*this) == noteText(other);
    }
};

// Asks the question over `parent`; returns the chosen path, or an empty string when the user
// declined.
using AskSavePath = std::function<QString(QWidget *parent, const SaveQuestion &question)>;

// The title of the message that a file the user named could not be written.
inline constexpr const char *SaveErrorTitle = QT_TRANSLATE_NOOP("MainWindow", "SAVE ERROR!");

// The real question: Qt's save dialog; Qt's own, not the desktop's, where it has a note to show
// (below the file type), which follows the name as it is typed.
[[nodiscard]] QString AskWithSaveDialog(QWidget *parent, const SaveQuestion &question);

// `fileName` in the user's documents folder.
[[nodiscard]] QString InDocumentsFolder(const QString &fileName);
