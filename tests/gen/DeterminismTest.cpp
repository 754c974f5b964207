// corvana-gen must give the same bytes on every run: it runs once more into a fresh directory
// and every resource must equal what the build generated.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QByteArray Contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Determinism, ASecondRunWritesTheSameBytes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string command
        = std::string("\"") + CORVANA_GEN + "\" \"" + dir.path().toStdString() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const QStringList built
        = QDir(CORVANA_GENERATED_DIR).entryList({ "*.raw" }, QDir::Files, QDir::Name);
    const QStringList again = QDir(dir.path()).entryList({ "*.raw" }, QDir::Files, QDir::Name);
    ASSERT_FALSE(built.isEmpty());
    EXPECT_EQ(built, again);
    for (const QString& name : built) {
        const QByteArray first = Contents(QString(CORVANA_GENERATED_DIR) + "/" + name);
        EXPECT_FALSE(first.isEmpty()) << name.toStdString();
        EXPECT_TRUE(first == Contents(dir.path() + "/" + name)) << name.toStdString() << " differs";
    }
}

} // namespace
