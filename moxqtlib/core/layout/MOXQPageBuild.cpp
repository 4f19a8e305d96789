#include "MOXQPageBuild.h"

#include "MOXQContainer.h"

#include <QList>
#include <QPointer>
#include <QVector>

namespace MOXQtLib {

namespace {

int g_depth = 0;

} // namespace

MOXQPageBuild::MOXQPageBuild(QWidget* root) : m_root(root)
{
    ++g_depth;
}

MOXQPageBuild::~MOXQPageBuild()
{
    if (--g_depth > 0 || !m_root) return;
    // Parents come before their children, and a parent's layout completes the children it
    // places; what is left waits under a parent that does not place it.
    const QList<MOXQContainer*> found = m_root->findChildren<MOXQContainer*>();
    QVector<QPointer<MOXQContainer>> containers(found.begin(), found.end());
    if (auto* self = qobject_cast<MOXQContainer*>(m_root)) containers.prepend(self);
    for (const QPointer<MOXQContainer>& c : containers)
        if (c && c->isLayoutPending()) c->forceResize();
}

bool MOXQPageBuild::active()
{
    return g_depth > 0;
}

} // namespace MOXQtLib
