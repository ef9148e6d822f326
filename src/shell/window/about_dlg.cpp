#include "shell/window/about_dlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/dialog_units.h"
#include "shell/settings.h"

namespace qx {

AboutDlg::AboutDlg(const Settings& settings, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("about"));
    // The box has no title of its own.
    setWindowTitle(QString());

    // The icon beside the program's name and version, the OK button below them.
    auto* icon = new QLabel(this);
    const int iconSize = DialogUnits(*this, 0, 24).height();
    icon->setPixmap(
        QApplication::windowIcon().pixmap(QSize(iconSize, iconSize), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("Qualtrixon Version"), this);
    auto* version =
        new QLabel(QString::fromStdString(settings.version + " " + settings.versionType), this);
    version->setObjectName(QStringLiteral("version"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    const QSize gap = DialogUnits(*this, 7, 7);
    auto* title = new QHBoxLayout;
    title->setSpacing(DialogUnits(*this, 2, 0).width());
    title->addWidget(name);
    title->addWidget(version);
    title->addStretch();
    auto* text = new QVBoxLayout;
    text->addLayout(title);
    text->addStretch();
    text->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(gap.width(), gap.height(), gap.width(), gap.height());
    layout->setSpacing(gap.width());
    layout->addWidget(icon);
    layout->addLayout(text, 1);
    setFixedSize(sizeHint().expandedTo(DialogUnits(*this, 241, 79)));
}

}  // namespace qx
