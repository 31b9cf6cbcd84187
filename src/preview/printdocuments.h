#pragma once

#include "print/printcommands.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
#include <utility>

// The documents that Print Preview shows and Export as PDF writes, in the order of their choice
// boxes.
inline constexpr std::array<std::pair<print::PrintCommand, const char *>, 4> PrintDocuments = {{
    //: A document to preview or save as PDF: the biorhythm chart (a noun).
    {print::PrintCommand::Chart, QT_TRANSLATE_NOOP("PrintDocuments", "Chart")},
    {print::PrintCommand::CoverSheet, QT_TRANSLATE_NOOP("PrintDocuments", "Cover Sheet")},
    {print::PrintCommand::CoverSheetAndChart, QT_TRANSLATE_NOOP("PrintDocuments", "Cover Sheet and Chart")},
    {print::PrintCommand::WhatIs, QT_TRANSLATE_NOOP("PrintDocuments", "What Is A Biorhythm?")},
}};

inline QStringList PrintDocumentNames()
{
    QStringList names;
    for (const auto &[command, name] : PrintDocuments)
        names << QCoreApplication::translate("PrintDocuments", name);
    return names;
}
