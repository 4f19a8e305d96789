#pragma once

#include "MOXQResourceManager.h"

namespace MOXQtLib {

// Sets the resource manager's theme-resource switch for one control's read and restores the
// previous state when the read ends, so later reads and style look-ups are not redirected.
class MOXThemeResScope
{
public:
    explicit MOXThemeResScope(bool on)
        : m_previous(MOXQResourceManager::getInstance()->isLoadFromThemeRes())
    {
        MOXQResourceManager::getInstance()->setSwitchToThemeRes(on);
    }
    // Only remembers the current state; a redirect inside the scope is undone at its end.
    MOXThemeResScope() : m_previous(MOXQResourceManager::getInstance()->isLoadFromThemeRes()) {}
    ~MOXThemeResScope() { MOXQResourceManager::getInstance()->setSwitchToThemeRes(m_previous); }

    MOXThemeResScope(const MOXThemeResScope&) = delete;
    MOXThemeResScope& operator=(const MOXThemeResScope&) = delete;

private:
    bool m_previous;
};

} // namespace MOXQtLib
