#include "mainwindow/savequestion.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString AskWithSaveDialog(QWidget *parent, const SaveQuestion &question)
{
    return QFileDialog::getSaveFileName(parent, question.caption, question.suggestedPath, question.filter);
}

QString InDocumentsFolder(const QString &fileName)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(fileName);
}
