#include "ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

void ImmediateProgramEnd::endNow(int exitCode)
{
    std::fflush(nullptr);
    // _Exit rather than exit: no destructor or close handler may run after
    // the user (or the error reporter) has ended the program.
    std::_Exit(exitCode);
}
