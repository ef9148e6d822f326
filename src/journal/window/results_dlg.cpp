#include "journal/window/results_dlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "journal/results_model.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/text_table.h"

namespace qx {

namespace {

// The pages in the order of the model's tables.
const char* const kPageNames[] = {"By &Entry", "By &Month", "&Trades", "&Open Positions"};

}  // namespace

ResultsDlg::ResultsDlg(ResultsModel& model, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Results"));
    setSizeGripEnabled(true);
    auto* pages = new QTabWidget(this);
    const auto& tables = model.Tables();
    for (std::size_t page = 0; page < tables.size() && page < std::size(kPageNames); ++page) {
        const QString name = QString::fromUtf8(kPageNames[page]);
        pages->addTab(MakeTextTable(tables[page].columns, tables[page].rows,
                                    QString(name).remove('&'), pages),
                      name);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(QStringLiteral("E&xport..."), QDialogButtonBox::ActionRole);
    connect(exportButton, &QPushButton::clicked, this, [&model] { model.Export(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages, 1);
    layout->addWidget(buttons);
    resize(DialogUnits(*this, 320, 220));
}

}  // namespace qx
