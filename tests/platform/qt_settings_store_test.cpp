#include "platform/qt/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>

#include "shell/settings.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

TEST(QtSettingsStore, KeepsIntegersAndTextsPerSectionAcrossInstances) {
    TempFolder folder;
    const std::string ini = folder.Path("store.ini");
    {
        QtSettingsStore store(ini);
        store.SetInt("Editor", "Volatility", 29);
        store.SetInt("Graph", "Volatility", -7);
        store.SetText("Editor", "Stock Fees", "12.50");
        store.SetText("Global", "Version Type", "");
        store.SetText("Tracker", "Symbol", "caf\xC3\xA9");
        EXPECT_TRUE(store.Flush());
    }
    const QtSettingsStore store(ini);
    EXPECT_EQ(store.GetInt("Editor", "Volatility", 0), 29);
    EXPECT_EQ(store.GetInt("Graph", "Volatility", 0), -7);
    EXPECT_EQ(store.GetText("Editor", "Stock Fees", "?"), "12.50");
    EXPECT_EQ(store.GetText("Global", "Version Type", "?"), "");
    EXPECT_EQ(store.GetText("Tracker", "Symbol", "?"), "caf\xC3\xA9");
    EXPECT_EQ(store.GetInt("Editor", "Missing", 42), 42);
    EXPECT_EQ(store.GetText("Editor", "Missing", "default"), "default");
    EXPECT_EQ(store.GetInt("Editor", "Stock Fees", 5), 5) << "a text is no integer";
}

TEST(QtSettingsStore, SettingsSurviveTheStore) {
    TempFolder folder;
    const std::string ini = folder.Path("store.ini");
    Settings saved;
    saved.volatility = 33;
    saved.optionFees = 9.5;
    saved.basicMode = false;
    saved.plotColors[4] = Rgb(1, 2, 3);
    saved.columnWidths[8] = 120;
    {
        QtSettingsStore store(ini);
        saved.WriteVersionRecord(store);
        saved.Save(store);
    }
    const QtSettingsStore store(ini);
    Settings loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.volatility, 33);
    EXPECT_EQ(loaded.optionFees, 9.5);
    EXPECT_FALSE(loaded.basicMode);
    EXPECT_EQ(loaded.plotColors[4], Rgb(1, 2, 3));
    EXPECT_EQ(loaded.columnWidths[8], 120);
    EXPECT_EQ(store.GetText("Global", "Version", ""), "1.04");
}

TEST(QtSettingsStore, UserStoreLivesUnderTheCompanyAndApplication) {
    TempFolder folder;
    // Redirect the user's store into the test's folder.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.Path("config")));
    {
        QtSettingsStore store;
        store.SetInt("Editor", "Units", 50);
        EXPECT_TRUE(store.Flush());
    }
    const std::string file = ReadFileBytes(folder.Path("config/Tallmoor/Qualtrixon.conf"));
    EXPECT_NE(file.find("[Editor]"), std::string::npos) << file;
    EXPECT_NE(file.find("Units=50"), std::string::npos) << file;
}

}  // namespace
}  // namespace qx
