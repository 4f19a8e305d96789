#include "MOXPlatform.h"

#include <QCoreApplication>
#include <QFile>

namespace MOXQtLib {

namespace {

QString& executablePathOverride()
{
    static QString path;
    return path;
}

} // namespace

QString moxExecutablePath()
{
    const QString& path = executablePathOverride();
    if (!path.isEmpty()) return path;
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

void moxSetExecutablePathOverride(const QString& path)
{
    executablePathOverride() = path;
}

bool moxIsEmulatorHostPath(const QString& path)
{
    // The whole path is searched, however long it is.
    return path.contains(QLatin1String("MoxeraQtEmulator"), Qt::CaseSensitive) ||
           path.contains(QLatin1String("PanelForge"), Qt::CaseSensitive);
}

QString moxDecodePath(const char* path)
{
    return path ? QFile::decodeName(QByteArray(path)) : QString();
}

} // namespace MOXQtLib
