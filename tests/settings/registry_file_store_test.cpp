#include "settings/registry_file_store.h"

#include "support/file_size_limit.h"
#include "support/temp_settings.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

const QString kKey = QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\Misc");
const QByteArray kDamaged = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n"
                            "\"A\"=dword:1\n\"B\"=dwrd:2\n";

using RegistryFile = TempSettingsTest;

// Owner, group and other bits; the "user" bits only mirror the owner's.
QFileDevice::Permissions mode(const QString &path)
{
    return QFile::permissions(path) & QFileDevice::Permissions(0x7077);
}

QStringList damagedCopies(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("Pagewick.reg.damaged-*")}, QDir::Files);
}

} // namespace

// The real one lives in the configuration folder.
TEST_F(RegistryFile, CreatedPrivateOnFirstWrite)
{
    EXPECT_TRUE(defaultRegistryFilePath().endsWith(QStringLiteral("/Corvane/Pagewick.reg")));
    EXPECT_TRUE(defaultRegistryFilePath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    EXPECT_FALSE(QFileInfo::exists(settings.folderPath()));
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Password"),
                                 QStringLiteral("secret"));

    EXPECT_EQ(mode(settings.folderPath()),
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(mode(settings.filePath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // A mode given to the file by hand does not survive the next write.
    QFile::setPermissions(settings.filePath(), QFileDevice::Permissions(0x6644));
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Host"),
                                 QStringLiteral("ftp."));
    EXPECT_EQ(mode(settings.filePath()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_FALSE(QFile::exists(settings.filePath() + QStringLiteral(".lock")));
}

TEST_F(RegistryFile, FullDiskFailsTheWriteAndKeepsTheOldFile)
{
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, QStringLiteral("Host"),
                                 QStringLiteral("ftp."));
    const QByteArray before = settings.contents();
    {
        FileSizeLimit full(before.size() + 16);
        EXPECT_THROW(TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey,
                                                  QStringLiteral("InitDir"), QString(2000, 'x')),
                     RegistryError);
    }
    EXPECT_EQ(settings.contents(), before);
}

// A read gives the default; a second damaged file, met by a write, is kept aside beside the first.
TEST_F(RegistryFile, DamagedFileIsMovedAsideOnceAndReported)
{
    settings.setContents(kDamaged);
    for (int read = 0; read < 2; ++read) {
        EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, QStringLiteral("K"),
                                              QStringLiteral("A"), 7),
                  QVariant(7));
    }
    const QStringList copies = damagedCopies(settings.folderPath());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_FALSE(QFile::exists(settings.filePath()));
    const QString keptAs = settings.folderPath() + QLatin1Char('/') + copies.first();
    EXPECT_EQ(readBytes(keptAs), kDamaged);
    ASSERT_EQ(settings.notices().size(), 1);
    for (const QString &part : {QDir::toNativeSeparators(settings.filePath()),
                                QStringLiteral("line 5"), QDir::toNativeSeparators(keptAs)})
        EXPECT_TRUE(settings.notices().first().contains(part)) << part.toStdString();

    settings.setContents(kDamaged + "again");
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, QStringLiteral("ExtBrowser"),
                                 QStringLiteral("lynx"));
    EXPECT_EQ(damagedCopies(settings.folderPath()).size(), 2);
    EXPECT_EQ(settings.notices().size(), 2);
    EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, kKey, QStringLiteral("ExtBrowser"),
                                          QString()),
              QVariant(QStringLiteral("lynx")));
}

TEST_F(RegistryFile, ChangeByAnotherWriterIsSeenEvenAtTheSameSize)
{
    const QByteArray head = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\K]\n";
    for (const char *value : {"\"A\"=dword:00000001\n", "\"A\"=dword:00000002\n"}) {
        settings.setContents(head + value);
        EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, QStringLiteral("K"),
                                              QStringLiteral("A"), 0),
                  QVariant(value[17] - '0'));
    }
}

TEST_F(RegistryFile, UpdateKeepsWhatAnotherWriterChangedSinceTheRead)
{
    const auto stored = [](const char *name) {
        return TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER, kKey, QString::fromLatin1(name), 0);
    };
    for (const char *name : {"Same", "Changed", "Added"})
        TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, kKey, QString::fromLatin1(name), 1);
    const RegistryValue one{RegistryValue::Type::Dword, 1, {}};
    const RegistryValue five{RegistryValue::Type::Dword, 5, {}};
    TCorvaneRegistry::WriteValues({
        {HKEY_CURRENT_USER, kKey, QStringLiteral("Same"), quint32(2), one},
        {HKEY_CURRENT_USER, kKey, QStringLiteral("Changed"), quint32(2), five},
        {HKEY_CURRENT_USER, kKey, QStringLiteral("Added"), quint32(2),
         std::make_optional(std::optional<RegistryValue>())},
        {HKEY_CURRENT_USER, kKey, QStringLiteral("Forced"), quint32(2), {}},
    });

    EXPECT_EQ(stored("Same"), QVariant(2));
    EXPECT_EQ(stored("Changed"), QVariant(1));
    EXPECT_EQ(stored("Added"), QVariant(1));
    EXPECT_EQ(stored("Forced"), QVariant(2));
}

TEST_F(RegistryFile, LockFailureGivesTheSystemsReason)
{
    // The file's own name fits; with ".lock" appended it is too long for the file system.
    QDir().mkpath(settings.folderPath());
    RegistryFileStore store(settings.folderPath() + QLatin1Char('/') + QString(251, 'x') +
                            QStringLiteral(".reg"));
    try {
        store.write(HKEY_CURRENT_USER, QStringLiteral("K"), QStringLiteral("A"), quint32(1));
        FAIL() << "the lock was taken";
    } catch (const RegistryError &error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral(": File name too long")))
            << error.message().toStdString();
    }
}

TEST_F(RegistryFile, TwoProcessesWritingConcurrentlyKeepEveryValue)
{
    constexpr int kCount = 50;
    QProcess first, second;
    for (QProcess *process : {&first, &second}) {
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(REGISTRY_WRITER),
                       {settings.filePath(),
                        process == &first ? QStringLiteral("a") : QStringLiteral("b"),
                        QString::number(kCount)});
    }
    for (QProcess *process : {&first, &second}) {
        ASSERT_TRUE(process->waitForFinished(60000));
        ASSERT_EQ(process->exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(process->exitCode(), 0);
    }

    for (int i = 0; i < kCount; ++i) {
        for (const QString &prefix : {QStringLiteral("a"), QStringLiteral("b")}) {
            EXPECT_EQ(TCorvaneRegistry::ReadValue(HKEY_CURRENT_USER,
                                                  QStringLiteral("Software\\Race"),
                                                  prefix + QString::number(i), -1),
                      QVariant(i))
                << qPrintable(prefix) << i;
        }
    }
}
