#pragma once

#include "print/printcommands.h"
#include "print/textprintdevice.h"

#include <QList>

#include <memory>

// Print targets for the window's tests: each document is printed on a text-only device and
// kept, with its command and outcome, in a log the test reads: exactly what would have come
// out of the printer.
struct PrintedDocument
{
    print::PrintCommand command;
    print::PrintDocument kind;
    std::shared_ptr<print::TextPrintDevice> device;
    print::PrintOutcome outcome = print::PrintOutcome::Refused;
};

class RecordingTargets final : public print::PrintTargetProvider
{
public:
    RecordingTargets(print::PrintCommand command, QList<PrintedDocument> &log)
        : m_command(command)
        , m_log(log)
    {}

    print::PrintDevice &open(print::PrintDocument document) override
    {
        m_log.append({m_command, document, std::make_shared<print::TextPrintDevice>()});
        return *m_log.last().device;
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override { m_log.last().outcome = outcome; }

private:
    print::PrintCommand m_command;
    QList<PrintedDocument> &m_log;
};
