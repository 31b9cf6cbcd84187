#include "mainwindow/savequestion.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

QString AskWithSaveDialog(QWidget *parent, const SaveQuestion &question)
{
    if (!question.note)
        return QFileDialog::getSaveFileName(parent, question.caption, question.suggestedPath,
                                            question.filter);
    const QFileInfo suggested(question.suggestedPath);
    QFileDialog dialog(parent, question.caption, suggested.absolutePath(), question.filter);
    dialog.setObjectName(QStringLiteral("SaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(suggested.fileName());
    auto *note = new QLabel(question.note(suggested.fileName()), &dialog);
    note->setObjectName(QStringLiteral("SaveNote"));
    note->setWordWrap(true);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(note, grid->rowCount(), 0, 1, grid->columnCount());
    if (auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        QObject::connect(name, &QLineEdit::textChanged, note,
                         [note, &question](const QString &typed) { note->setText(question.note(typed)); });
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString InDocumentsFolder(const QString &fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName);
}
