// Instances that write the settings file at the same moment, or die while writing it,
// leave one whole, valid file: the complete state of one of them.
#include "app/SettingsFile.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace tavlo {
namespace {

QProcess* startWriter(const QString& path, int tag, int count) {
    auto* writer = new QProcess;
    writer->start(QStringLiteral(TAVLO_SETTINGS_WRITER),
                  {path, QString::number(tag), QString::number(count)});
    EXPECT_TRUE(writer->waitForStarted());
    return writer;
}

// The file parses and every value in it comes from one writer; returns its tag.
int expectOneWritersState(const QString& path) {
    {
        QSettings ini(path, QSettings::IniFormat);
        EXPECT_EQ(ini.status(), QSettings::NoError);
    }
    const TStoredSettings stored = TSettingsFile(path).Read();
    EXPECT_TRUE(stored.hasFixedSettings);
    const int tag = stored.fixed.TabWidth.value_or(-1);
    EXPECT_EQ(stored.fixed.FindText, QStringLiteral("writer %1").arg(tag));
    EXPECT_EQ(stored.fixed.FontSizeIndex, tag);
    EXPECT_EQ(stored.fixed.WindowLeft, tag);
    for (const auto& slot : stored.reopen)
        EXPECT_EQ(slot, QStringLiteral("/writer/%1").arg(tag));
    EXPECT_LE(stored.lastPositions.size(), size_t(LastPositionLimit));
    EXPECT_FALSE(stored.lastPositions.empty());
    return tag;
}

TEST(SettingsWriters, TwoInstancesWritingAtOnceLeaveOneOfTheirStates) {
    QTemporaryDir folder;
    const QString path = folder.filePath("BRENWICK/tavlo.ini");
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::unique_ptr<QProcess> first(startWriter(path, 3, 40));
        std::unique_ptr<QProcess> second(startWriter(path, 5, 40));
        ASSERT_TRUE(first->waitForFinished(60000));
        ASSERT_TRUE(second->waitForFinished(60000));
        EXPECT_EQ(first->exitCode(), 0);
        EXPECT_EQ(second->exitCode(), 0);
        const int tag = expectOneWritersState(path);
        EXPECT_TRUE(tag == 3 || tag == 5) << tag;
    }
    // No half-written files are left beside it.
    EXPECT_EQ(QDir(folder.filePath("BRENWICK")).entryList(QDir::Files), QStringList{"tavlo.ini"});
}

TEST(SettingsWriters, AWriterKilledWhileWritingLeavesTheOldFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath("BRENWICK/tavlo.ini");
    std::unique_ptr<QProcess> before(startWriter(path, 2, 1));
    ASSERT_TRUE(before->waitForFinished(60000));
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::unique_ptr<QProcess> writer(startWriter(path, 7, 0));
        // Let it write for a while; it dies wherever it is then.
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 37 * attempt));
        ::kill(pid_t(writer->processId()), SIGKILL);
        ASSERT_TRUE(writer->waitForFinished(60000));
        const int tag = expectOneWritersState(path);
        EXPECT_TRUE(tag == 2 || tag == 7) << tag;
    }
}

TEST(SettingsWriters, FilesLeftByADeadWriterAreRemovedWhenOld) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tavlo.ini");
    const QString old = path + ".new-abc123";
    const QString recent = path + ".new-def456";
    const QString foreign = path + ".bak";
    for (const QString& name : {old, recent, foreign}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[FixedSettings\n");
        file.flush();
        if (name != recent)
            ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                         QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(TSettingsFile(path).Write({}));
    EXPECT_FALSE(QFile::exists(old));
    EXPECT_TRUE(QFile::exists(recent)) << "another instance may be writing it";
    EXPECT_TRUE(QFile::exists(foreign));
}

TEST(SettingsWriters, AFileRewrittenAtTheSameTimeAndSizeIsReadAfresh) {
    QTemporaryDir folder;
    const QString path = folder.filePath("tavlo.ini");
    const auto writeTabWidth = [&path](const QByteArray& width, const QDateTime& time) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[FixedSettings]\nTabWidth=" + width + "\n");
        file.flush();
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    };
    const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
    writeTabWidth("3", time);
    EXPECT_EQ(TSettingsFile(path).Read().fixed.TabWidth, 3);
    // Another instance writes in the same tick of the clock, as many bytes.
    writeTabWidth("4", time);
    EXPECT_EQ(TSettingsFile(path).Read().fixed.TabWidth, 4);
}

} // namespace
} // namespace tavlo
