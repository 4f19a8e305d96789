// The library's layers: a file may include headers of its own layer and the layers below it,
// never above (the core knows no control, style knows no companion, and so on).

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// Lower numbers sit lower. The registration file at the library's top lists the controls.
int layerOf(const QString& relativeDir)
{
    static const QHash<QString, int> layers = {
        {"core/platform", 0}, {"core/base", 0},  {"core/style", 1},  {"core/control", 2},
        {"core/layout", 3},   {"core/windows", 4}, {"controls", 5},   {"medical", 5},
        {"", 6}};
    return layers.value(relativeDir, -1);
}

} // namespace

TEST(IncludeLayers, EveryIncludePointsDownward)
{
    const QString root = QStringLiteral(GRAPHDECK_SOURCE_DIR "/moxqtlib/");
    QHash<QString, QString> headerDir; // header file name -> its folder
    QStringList files;
    QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString dir = QFileInfo(path).path().mid(root.size());
        if (layerOf(dir) < 0) continue;
        files << path;
        if (path.endsWith(".h")) {
            EXPECT_FALSE(headerDir.contains(QFileInfo(path).fileName())) << qPrintable(path);
            headerDir.insert(QFileInfo(path).fileName(), dir);
        }
    }
    ASSERT_GT(files.size(), 40);
    const QRegularExpression include(QStringLiteral("^#include \"([^\"]+)\""),
                                     QRegularExpression::MultilineOption);
    for (const QString& path : files) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QString dir = QFileInfo(path).path().mid(root.size());
        for (auto m = include.globalMatch(text); m.hasNext();) {
            const QString header = m.next().captured(1);
            if (!headerDir.contains(header)) continue;
            EXPECT_LE(layerOf(headerDir.value(header)), layerOf(dir))
                << qPrintable(path.mid(root.size())) << " includes " << qPrintable(header);
        }
    }
}
