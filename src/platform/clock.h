#pragma once

#include <QString>

// Today's date as the program shows it, MM-DD-YYYY. A seam so that tests run on a fixed day.
class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QString today() const = 0;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QString date)
        : m_date(std::move(date))
    {}
    [[nodiscard]] QString today() const override { return m_date; }

private:
    QString m_date;
};
