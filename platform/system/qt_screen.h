#pragma once

#include "platform/core/services.h"

namespace tamiro {

// The whole of the primary screen, desktop panels included.
class QtScreen : public Screen {
public:
    float width() const override;
    float height() const override;
};

} // namespace tamiro
