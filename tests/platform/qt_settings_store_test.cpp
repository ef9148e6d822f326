#include "platform/qt/qt_settings_store.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QString>
#include <climits>

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

// A store edited by hand may hold any text where an integer belongs: only a whole
// 32-bit number counts, anything else reads as the fallback, never as its low bits.
TEST(QtSettingsStore, IntegersAreWhole32BitNumbersOrTheFallback) {
    TempFolder folder;
    const std::string ini = folder.Path("store.ini");
    WriteFileBytes(ini,
                   "[Graph]\n"
                   "Scale Color=99999999999\nResolution= +40 \nVolatility=-2147483648\n"
                   "Title Color=2147483648\nBackground Color=12abc\nUnits=0x10\nPlain=\n");
    const QtSettingsStore store(ini);
    const struct {
        const char* name;
        int expected;
    } cases[] = {
        {"Scale Color", 7}, {"Resolution", 40},      {"Volatility", INT_MIN},
        {"Title Color", 7}, {"Background Color", 7}, {"Units", 7},
        {"Plain", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(store.GetInt("Graph", c.name, 7), c.expected) << c.name;

    Settings loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.scaleColor, Settings().scaleColor);
    EXPECT_EQ(loaded.resolution, 40);
}

// A damaged file is read as far as it goes; writing it afresh succeeds, and says so.
TEST(QtSettingsStore, ADamagedFileIsWrittenAfreshAndReportedWritten) {
    TempFolder folder;
    const std::string ini = folder.Path("store.ini");
    WriteFileBytes(ini, "[Editor\nVolatility=20\n[Graph]\nResolution=40\n");
    {
        QtSettingsStore store(ini);
        store.SetInt("Editor", "Units", 50);
        EXPECT_TRUE(store.Flush());
    }
    const QtSettingsStore store(ini);
    EXPECT_EQ(store.GetInt("Editor", "Units", 0), 50);
    EXPECT_EQ(store.GetInt("Graph", "Resolution", 0), 40);
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
