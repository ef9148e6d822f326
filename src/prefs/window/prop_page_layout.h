#ifndef QX_PREFS_WINDOW_PROP_PAGE_LAYOUT_H
#define QX_PREFS_WINDOW_PROP_PAGE_LAYOUT_H

#include <initializer_list>

#include "prefs/prop_controls.h"

class QGridLayout;
class QWidget;

namespace qx {

class ControlBinding;
class PropSheetModel;

// What the pages of the property sheet share: a grid of labels in the first column and
// their fields beside them, over a binding to the sheet's model.
class PropPageLayout {
  public:
    // Lays out page's widgets, made through binding, in a grid.
    PropPageLayout(QWidget* page, ControlBinding& binding, const PropSheetModel& model);

    // A text box beside its label, width dialog units wide.
    void AddBox(PropControl label, PropControl box, int width);
    // An editable list beside its label, width dialog units wide.
    void AddList(PropControl label, PropControl list, int width);
    // A slider beside its label with its read-only text after it, and the note on the
    // row below.
    void AddSlider(PropControl label, PropControl slider, PropControl text, PropControl note);
    // A row of check boxes that act as one choice, beside the label of the choice.
    void AddChoice(PropControl label, std::initializer_list<PropControl> boxes);
    // A check box across the whole width of the next row.
    void AddCheckBox(PropControl box);
    // Space between groups of rows.
    void AddGap();
    // Ends the page: what is left of its height stays empty below the rows.
    void Finish();

    // Gives the pages' label columns one width, so their fields line up from page to
    // page; after the labels have their texts.
    static void AlignLabelColumns(std::initializer_list<QWidget*> pages);

  private:
    void AddField(PropControl label, QWidget* field, int width);

    QWidget* page;
    ControlBinding& binding;
    const PropSheetModel& model;
    QGridLayout* grid;
    int row = 0;
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_PROP_PAGE_LAYOUT_H
