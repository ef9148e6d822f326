#include "shell/window/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
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
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    const QSize margin = DialogUnits(*this, 11, 11);
    layout->setContentsMargins(margin.width(), margin.height(), margin.width(), margin.height());
    layout->setHorizontalSpacing(margin.width());
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 0, 2);
    layout->setColumnStretch(3, 1);
    layout->addWidget(buttons, 0, 4, 2, 1, Qt::AlignTop);
    setMinimumSize(DialogUnits(*this, 241, 79));
    setSizeGripEnabled(false);
}

}  // namespace qx
