// The installed package works for an application outside this tree.
#include "TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct ProcessResult
{
    int code = -1;
    QString output;
};

ProcessResult run(const QString& program, const QStringList& args,
                  const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    ProcessResult result;
    if (!process.waitForFinished(240000)) return result;
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

} // namespace

TEST(InstallPackage, ConsumerBuildsAgainstAnInstalledCopy)
{
    const QString root = testsupport::tempDir("install");
    const QString prefix = root + "/prefix";
    const QString build = root + "/build";

    ProcessResult r = run("cmake", {"--install", GRAPHDECK_BINARY_DIR, "--prefix", prefix,
                                    "--component", "MOXQtLib"});
    ASSERT_EQ(r.code, 0) << r.output.toStdString();
    for (const char* file :
         {"/lib/libmoxqtlib.a", "/lib/libmoxcharts.a", "/include/MOXQtLib/MOXQtLib.h",
          "/include/MOXQtLib/MOXQControl.h", "/include/MOXQtLib/charts/MOXQChartBase.h",
          "/lib/cmake/MOXQtLib/MOXQtLibConfig.cmake"})
        EXPECT_TRUE(QFileInfo::exists(prefix + file)) << file;

    QStringList configure = {"-S",
                             GRAPHDECK_SOURCE_DIR "/tests/core/consumer",
                             "-B",
                             build,
                             "-DCMAKE_PREFIX_PATH=" + prefix,
                             "-DCMAKE_BUILD_TYPE=Release"};
    if (!QStandardPaths::findExecutable("ninja").isEmpty())
        configure << "-G"
                  << "Ninja"; // noticeably quicker for one file
    r = run("cmake", configure);
    ASSERT_EQ(r.code, 0) << r.output.toStdString();
    r = run("cmake", {"--build", build});
    ASSERT_EQ(r.code, 0) << r.output.toStdString();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    r = run(build + "/consumer", {}, env);
    ASSERT_EQ(r.code, 0) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(R"("name":"hello")")) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(R"("type":"qtgreeting")")) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(" 1500")) << r.output.toStdString();
    QDir(root).removeRecursively();
}
