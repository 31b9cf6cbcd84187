#pragma once

#include "platform/clock.h"

class SystemClock final : public Clock
{
public:
    [[nodiscard]] QString today() const override;
};
