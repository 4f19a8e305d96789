#pragma once

#include <QString>

namespace MOXQtLib {

// Process-wide settings every control honours.
struct MOXGlobalConfig
{
    // Family of every control's text when not empty.
    QString fontFamily;
    bool buttonFadeEnabled = false;
    // Milliseconds; values below 1 mean the default.
    int buttonFadeDuration = 150;
};

} // namespace MOXQtLib
