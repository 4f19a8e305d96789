#pragma once

// While a page is built, containers are completed from the leaves up, and each parent then
// resizes its children again. A container whose parent container will place it therefore
// leaves its layout to that placement instead of laying out at a size it is about to lose.
// When the build ends, every container still waiting below the root lays out.

class QWidget;

namespace MOXQtLib {

class MOXQPageBuild
{
public:
    explicit MOXQPageBuild(QWidget* root);
    ~MOXQPageBuild();
    MOXQPageBuild(const MOXQPageBuild&) = delete;
    MOXQPageBuild& operator=(const MOXQPageBuild&) = delete;

    static bool active();

private:
    QWidget* m_root;
};

} // namespace MOXQtLib
