#include "platform/qt/qt_settings_store.h"

#include <QFile>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace qx {

namespace {

// The key of a value: its section as the group, then its name.
QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section) + '/' + QString::fromStdString(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings(
          std::make_unique<QSettings>(QStringLiteral("Tallmoor"), QStringLiteral("Qualtrixon"))) {}

QtSettingsStore::QtSettingsStore(const std::string& iniPath)
    : settings(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {
}

QtSettingsStore::~QtSettingsStore() = default;

int QtSettingsStore::GetInt(const std::string& section, const std::string& name,
                            int fallback) const {
    // The store holds every value as text; QVariant's own conversion would keep the
    // low bits of a number beyond 32 bits.
    const QVariant value = settings->value(Key(section, name));
    if (!value.isValid()) return fallback;
    return StoredInteger(value.toString().toStdString()).value_or(fallback);
}

std::string QtSettingsStore::GetText(const std::string& section, const std::string& name,
                                     const std::string& fallback) const {
    const QVariant value = settings->value(Key(section, name));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    settings->setValue(Key(section, name), value);
}

void QtSettingsStore::SetText(const std::string& section, const std::string& name,
                              const std::string& value) {
    settings->setValue(Key(section, name), QString::fromStdString(value));
}

bool QtSettingsStore::Flush() {
    settings->sync();
    if (settings->status() != QSettings::FormatError)
        return settings->status() == QSettings::NoError;
    // A damaged file read at start leaves its format error standing for good, and it
    // hides whether this write failed. A second reader of the same file shares what is
    // still unwritten: it tries that write again, and reports only its own errors.
    const QSettings check(settings->fileName(), settings->format());
    return check.status() == QSettings::NoError;
}

std::string QtSettingsStore::GetLocation() const {
    return QFile::encodeName(settings->fileName()).toStdString();
}

}  // namespace qx
