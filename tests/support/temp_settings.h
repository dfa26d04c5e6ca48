#pragma once

#include "settings/corvane_registry.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Points TCorvaneRegistry at a fresh registry file in a temporary folder for its lifetime
// and collects the notices given meanwhile; the previous store and handler come back after.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    TempSettings(const TempSettings &) = delete;
    TempSettings &operator=(const TempSettings &) = delete;

    // The file lies in a folder that does not exist until the first write.
    QString filePath() const;
    QString folderPath() const;
    QByteArray contents() const;
    void setContents(const QByteArray &bytes);
    // Writes a value of the program's own settings; section "" is their top key.
    static void store(const QString &section, const QString &name, const QVariant &value);
    const QStringList &notices() const { return m_notices; }

private:
    QTemporaryDir m_dir;
    std::shared_ptr<RegistryStore> m_previousStore;
    std::function<void(const QString &)> m_previousHandler;
    QStringList m_notices;
};

// A test fixture whose every test runs on its own empty settings store.
class TempSettingsTest : public ::testing::Test {
protected:
    TempSettings settings;
};
