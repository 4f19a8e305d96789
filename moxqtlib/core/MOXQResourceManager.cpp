#include "MOXQResourceManager.h"

namespace MOXQtLib {

MOXQResourceManager* MOXQResourceManager::getInstance()
{
    static MOXQResourceManager instance;
    return &instance;
}

bool MOXQResourceManager::hasThemeRes() const
{
    return false;
}

const Json::Value* MOXQResourceManager::getThemeJsonValue(const char*) const
{
    return nullptr;
}

QString MOXQResourceManager::getString(const QString&) const
{
    return {};
}

} // namespace MOXQtLib
