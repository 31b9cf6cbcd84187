#pragma once

#include "platform/clock.h"

// A clock that always gives the same day.
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
