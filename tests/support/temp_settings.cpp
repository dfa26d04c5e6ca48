#include "support/temp_settings.h"

#include "settings/registry_file_store.h"

#include <QDir>
#include <QFile>

TempSettings::TempSettings()
    : m_previousStore(TCorvaneRegistry::store()),
      m_previousHandler(TCorvaneRegistry::noticeHandler())
{
    TCorvaneRegistry::setStore(std::make_shared<RegistryFileStore>(filePath()));
    TCorvaneRegistry::setNoticeHandler([this](const QString &text) { m_notices.append(text); });
}

TempSettings::~TempSettings()
{
    TCorvaneRegistry::setStore(m_previousStore);
    TCorvaneRegistry::setNoticeHandler(m_previousHandler);
}

QString TempSettings::folderPath() const
{
    return m_dir.filePath(QStringLiteral("Corvane"));
}

QString TempSettings::filePath() const
{
    return folderPath() + QStringLiteral("/Pagewick.reg");
}

QByteArray TempSettings::contents() const
{
    QFile file(filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempSettings::store(const QString &section, const QString &name, const QVariant &value)
{
    TCorvaneRegistry::WriteValue(
        HKEY_CURRENT_USER, QStringLiteral("Software\\Corvane\\Pagewick\\Settings\\") + section,
        name, value);
}

void TempSettings::setContents(const QByteArray &bytes)
{
    QDir().mkpath(folderPath());
    QFile file(filePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << filePath().toStdString();
}
