#pragma once

#include "print/printcommands.h"
#include "print/recordingprintdevice.h"

#include <QList>
#include <QMap>

#include <memory>

// Hands out a RecordingPrintDevice per document and keeps them all, so that a test can read
// every document a command printed. A failure can be staged in the n-th document opened.
class RecordingTargets final : public print::PrintTargetProvider
{
public:
    struct Failure
    {
        int operation;
        QString error;
    };

    void failIn(int document, Failure failure) { m_failures.insert(document, failure); }
    void cancelChartAfter(qint64 days) { m_cancelAfter = days; }

    print::PrintDevice &open(print::PrintDocument document) override
    {
        m_opened.append(document);
        m_devices.push_back(std::make_unique<print::RecordingPrintDevice>());
        if (m_failures.contains(int(m_devices.size()) - 1)) {
            const Failure failure = m_failures.value(int(m_devices.size()) - 1);
            m_devices.back()->failAt(failure.operation, failure.error);
        }
        return *m_devices.back();
    }
    print::PrintProgress progress(print::PrintDocument) override
    {
        if (m_cancelAfter < 0)
            return {};
        return [this](qint64 done, qint64) { return done < m_cancelAfter; };
    }
    void close(print::PrintDocument, print::PrintOutcome outcome) override { m_closed.append(outcome); }

    [[nodiscard]] const QList<print::PrintDocument> &opened() const { return m_opened; }
    [[nodiscard]] const QList<print::PrintOutcome> &closed() const { return m_closed; }
    [[nodiscard]] const print::RecordingPrintDevice &device(int n) const { return *m_devices.at(n); }

private:
    QList<print::PrintDocument> m_opened;
    QList<print::PrintOutcome> m_closed;
    std::vector<std::unique_ptr<print::RecordingPrintDevice>> m_devices;
    QMap<int, Failure> m_failures;
    qint64 m_cancelAfter = -1;
};
