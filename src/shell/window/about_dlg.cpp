#include "shell/window/about_dlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/qt/dialog_units.h"
#include "shell/settings.h"

namespace qx {

AboutDlg::AboutDlg(const Settings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about"));
    // The box has no title of its own.
    setWindowTitle(QString());

    auto* icon = new QLabel(this);
    const int iconSize = DialogUnits(*this, 0, 20).height();
    icon->setPixmap(QApplication::windowIcon().pixmap(iconSize, iconSize));
    auto* name = new QLabel(QStringLiteral("Qualtrixon Version"), this);
    auto* version =
        new QLabel(QString::fromStdString(settings.version + " " + settings.versionType), this);
    version->setObjectName(QStringLiteral("version"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    const QSize margin = DialogUnits(*this, 11, 11);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->setHorizontalSpacing(margin.width());
    layout->addWidget(icon, 0, 0);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 0, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(ok, 0, 4);
    layout->setRowStretch(1, 1);
    setMinimumSize(DialogUnits(*this, 241, 79));
    setSizeGripEnabled(false);
}

}  // namespace qx
