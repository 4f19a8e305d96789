#pragma once

// The few places where the library asks the platform something.

#include <QString>

namespace MOXQtLib {

// The running executable's full path (QCoreApplication::applicationFilePath), or the path set
// with moxSetExecutablePathOverride.
QString moxExecutablePath();
// Points host detection elsewhere (tests); an empty path restores the real one.
void moxSetExecutablePathOverride(const QString& path);
// True when the path names one of the emulator host programs (case-sensitive, anywhere in it).
bool moxIsEmulatorHostPath(const QString& path);
// A path handed in as bytes, decoded as a local 8-bit file name; null gives an empty string.
QString moxDecodePath(const char* path);

} // namespace MOXQtLib
