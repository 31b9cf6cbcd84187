#pragma once

#include <QString>

// Today's date as the program shows it, MM-DD-YYYY. A seam so that tests run on a fixed day.
class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QString today() const = 0;
};
