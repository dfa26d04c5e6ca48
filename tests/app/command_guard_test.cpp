#include "app/command_guard.h"
#include "settings/corvane_registry.h"
#include "support/modal_driver.h"
#include "support/temp_settings.h"

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class RegistryNotices : public TempSettingsTest {};

TEST_F(RegistryNotices, DamagedSettingsFileIsReportedInAWarningBox)
{
    settings.setContents("Windows Registry Editor Version 5.00\n\nthis is not a key\n");
    QWidget window;
    showRegistryNotices(&window);
    ModalDriver driver;
    driver.answer("OK");
    TCorvaneRegistry::WriteValue(HKEY_CURRENT_USER, "Software\\Corvane\\Pagewick\\Settings\\Misc",
                                 "ExtBrowser", "x");
    ASSERT_EQ(driver.messages().size(), 1);
    EXPECT_TRUE(driver.messages().first().startsWith("Warnung|"));
    EXPECT_TRUE(driver.messages().first().contains(
        QDir::toNativeSeparators(settings.folderPath())))
        << driver.messages().first().toStdString();
    expectDriverFinished(driver);
}

} // namespace
