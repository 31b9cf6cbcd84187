#pragma once

#include "print/printcommands.h"
#include "print/textprintdevice.h"

#include <QList>

#include <memory>

// Print targets for the window's tests: each document is printed on a text-only device and
// kept with its outcome, so a test reads exactly what would have come out of the printer.
class RecordingTargets final : public print::PrintTargetProvider
{
public:
    struct Document
    {
        print::PrintDocument kind;
        std::shared_ptr<print::TextPrintDevice> device;
        print::PrintOutcome outcome = print::PrintOutcome::Refused;
    };

    print::PrintDevice &open(print::PrintDocument document) override
    {
        m_documents.append({document, std::make_shared<print::TextPrintDevice>()});
        return *m_documents.last().device;
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override
    {
        m_documents.last().outcome = outcome;
    }

    // The documents that were printed whole.
    [[nodiscard]] QList<Document> printed() const
    {
        QList<Document> out;
        for (const Document &d : m_documents) {
            if (d.outcome == print::PrintOutcome::Printed)
                out << d;
        }
        return out;
    }
    [[nodiscard]] const QList<Document> &documents() const { return m_documents; }

private:
    QList<Document> m_documents;
};
