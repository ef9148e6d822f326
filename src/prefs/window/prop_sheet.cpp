#include "prefs/window/prop_sheet.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/qt/control_binding.h"
#include "platform/qt/qt_color_chooser.h"
#include "prefs/prop_sheet_model.h"
#include "prefs/window/color_button.h"
#include "prefs/window/prop_colors.h"
#include "prefs/window/prop_general.h"
#include "prefs/window/prop_graph.h"
#include "prefs/window/prop_page_layout.h"

namespace qx {

PropSheet::PropSheet(Settings& settings, Messages& messages, QWidget* parent, ColorChooser* chooser)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Properties"));
    setObjectName(QStringLiteral("properties"));
    if (!chooser) {
        desktopChooser = std::make_unique<QtColorChooser>(this);
        chooser = desktopChooser.get();
    }
    model = std::make_unique<PropSheetModel>(settings, messages, *chooser);

    binding = new ControlBinding(ForwardEvents(*model, [this] { MirrorModel(); }), this);

    tabs = new QTabWidget(this);
    auto* general = new PropGeneral(*binding, *model, tabs);
    auto* graph = new PropGraph(*binding, *model, tabs);
    tabs->addTab(general, QStringLiteral("General"));
    tabs->addTab(graph, QStringLiteral("Graph"));
    colors = new PropColors(*binding, *model, tabs);
    tabs->addTab(colors, QStringLiteral("Colors"));
    connect(tabs, &QTabWidget::currentChanged, this, &PropSheet::ChangePage);
    for (int i = 0; i < kSwatchCount; ++i) {
        const auto swatch = static_cast<Swatch>(i);
        connect(GetSwatch(swatch), &ColorButton::clicked, this,
                [this, swatch] { ClickSwatch(swatch); });
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropSheet::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    // The sheet's size follows its contents and the font, so nothing is ever cut off.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    MirrorModel();
    PropPageLayout::AlignLabelColumns({general, graph});
}

PropSheet::~PropSheet() {
    // The binding must not read boxes while the sheet's children go away.
    delete binding;
}

QWidget* PropSheet::GetControlWidget(PropControl control) const { return binding->Widget(control); }

ColorButton* PropSheet::GetSwatch(Swatch swatch) const { return colors->GetSwatch(swatch); }

namespace {

std::function<void()>& AcceptedHandler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void PropSheet::SetAcceptedHandler(std::function<void()> handler) {
    AcceptedHandler() = std::move(handler);
}

void PropSheet::accept() {
    // OK takes what the user sees, including text still being typed.
    binding->LeaveFocusedBox();
    if (model->Ok()) {
        QDialog::accept();
        if (AcceptedHandler()) AcceptedHandler()();
        return;
    }
    FocusRefusedBox();
}

void PropSheet::ChangePage(int index) {
    // The page shown stays until the model lets the user leave it.
    const int shown = static_cast<int>(model->GetPage());
    const QSignalBlocker quiet(tabs);
    tabs->setCurrentIndex(shown);
    binding->LeaveFocusedBox();
    if (model->ChangePage(static_cast<PropPage>(index))) {
        tabs->setCurrentIndex(index);
        return;
    }
    FocusRefusedBox();
}

void PropSheet::ClickSwatch(Swatch swatch) {
    model->ClickSwatch(swatch);
    GetSwatch(swatch)->SetColor(model->GetSwatchColor(swatch));
}

void PropSheet::FocusRefusedBox() {
    QWidget* box = GetControlWidget(model->GetRefusedBox());
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->selectAll();
}

void PropSheet::MirrorModel() {
    binding->MirrorAll<PropControl>(*model);
    for (int i = 0; i < kSwatchCount; ++i)
        GetSwatch(static_cast<Swatch>(i))->SetColor(model->GetSwatchColor(static_cast<Swatch>(i)));
}

}  // namespace qx
