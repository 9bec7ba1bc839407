#pragma once

#include "SystemInfoLookup.h"

// Starts the program itself, never a shell, so that a path with blanks or
// shell characters is only ever a path.
class DetachedStarter final : public ProgramStarter {
  public:
    bool startDetached(const QString &path) override;
};
