#pragma once

// Ends the program at once: no further handler runs and no window is asked
// anything. A test replaces it to observe the end instead.
class ProgramEnd {
  public:
    virtual ~ProgramEnd() = default;
    virtual void endNow(int exitCode) = 0;
};

class ImmediateProgramEnd final : public ProgramEnd {
  public:
    [[noreturn]] void endNow(int exitCode) override;
};
