#include "prefs/window/prop_page_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>

#include "platform/qt/control_binding.h"
#include "platform/qt/dialog_units.h"
#include "prefs/prop_sheet_model.h"

namespace qx {

namespace {

// The columns of a page: labels, their fields, and a slider's text.
constexpr int kLabelColumn = 0;
constexpr int kFieldColumn = 1;
constexpr int kTextColumn = 2;

}  // namespace

PropPageLayout::PropPageLayout(QWidget* pageWidget, ControlBinding& controls,
                               const PropSheetModel& sheet)
    : page(pageWidget), binding(controls), model(sheet), grid(new QGridLayout(pageWidget)) {
    grid->setColumnMinimumWidth(kFieldColumn, DialogUnits(*page, 60, 0).width());
    grid->setColumnStretch(kFieldColumn, 1);
    grid->setColumnMinimumWidth(kTextColumn, DialogUnits(*page, 20, 0).width());
}

void PropPageLayout::AddBox(PropControl label, PropControl box, int width) {
    AddField(label, binding.Box(box, page), width);
}

void PropPageLayout::AddList(PropControl label, PropControl list, int width) {
    AddField(label, binding.EditableList(list, page), width);
}

void PropPageLayout::AddField(PropControl label, QWidget* field, int width) {
    QLabel* caption = binding.Label(label, page);
    caption->setBuddy(field);
    field->setFixedWidth(DialogUnits(*page, width, 0).width());
    grid->addWidget(caption, row, kLabelColumn);
    grid->addWidget(field, row, kFieldColumn, Qt::AlignLeft);
    ++row;
}

void PropPageLayout::AddSlider(PropControl label, PropControl slider, PropControl text,
                               PropControl note) {
    QSlider* bar = binding.Slider(slider, page);
    bar->setMinimumWidth(DialogUnits(*page, 80, 0).width());
    QLabel* caption = binding.Label(label, page);
    caption->setBuddy(bar);
    grid->addWidget(caption, row, kLabelColumn);
    grid->addWidget(bar, row, kFieldColumn);
    QLineEdit* position = binding.ResultBox(text, page);
    // The text has no label of its own: it tells the slider's position.
    position->setAccessibleName(QString::fromStdString(model.GetControl(label).text));
    position->setFixedWidth(DialogUnits(*page, 20, 0).width());
    grid->addWidget(position, row, kTextColumn);
    ++row;
    grid->addWidget(binding.Label(note, page), row, kLabelColumn, 1, 3);
    ++row;
}

void PropPageLayout::AddChoice(PropControl label, std::initializer_list<PropControl> boxes) {
    auto* choice = new QHBoxLayout;
    QWidget* first = nullptr;
    for (PropControl box : boxes) {
        QWidget* button = binding.CheckBox(box, page);
        if (!first) first = button;
        choice->addWidget(button);
    }
    choice->addStretch();
    QLabel* caption = binding.Label(label, page);
    caption->setBuddy(first);
    grid->addWidget(caption, row, kLabelColumn);
    grid->addLayout(choice, row, kFieldColumn, 1, 2);
    ++row;
}

void PropPageLayout::AddCheckBox(PropControl box) {
    grid->addWidget(binding.CheckBox(box, page), row, kLabelColumn, 1, 3);
    ++row;
}

void PropPageLayout::AddGap() {
    grid->setRowMinimumHeight(row, DialogUnits(*page, 0, 6).height());
    ++row;
}

void PropPageLayout::Finish() { grid->setRowStretch(row, 1); }

void PropPageLayout::AlignLabelColumns(std::initializer_list<QWidget*> pages) {
    int widest = 0;
    for (QWidget* page : pages) {
        auto* grid = static_cast<QGridLayout*>(page->layout());
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rows, columns;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            if (column == kLabelColumn && columns == 1)
                widest = std::max(widest, grid->itemAt(i)->sizeHint().width());
        }
    }
    for (QWidget* page : pages)
        static_cast<QGridLayout*>(page->layout())->setColumnMinimumWidth(kLabelColumn, widest);
}

}  // namespace qx
