#ifndef QX_PREFS_PROP_SHEET_MODEL_H
#define QX_PREFS_PROP_SHEET_MODEL_H

#include <array>
#include <cstdint>
#include <string>

#include "platform/color_chooser.h"
#include "platform/controls.h"
#include "prefs/prop_controls.h"

namespace qx {

class Messages;
class Settings;

// The property sheet without a window: working copies of the preferences it edits,
// filled from the settings when it is made and written back only by Ok. It holds the
// state of every control and swatch; the window mirrors it and forwards events.
class PropSheetModel {
  public:
    // Fills the working copies from settings, opening on the General page. The
    // references must outlive the model.
    PropSheetModel(Settings& settings, Messages& messages, ColorChooser& chooser);
    PropSheetModel(const PropSheetModel&) = delete;
    PropSheetModel& operator=(const PropSheetModel&) = delete;

    // The user left a fee box or the units list after typing text into it.
    void LeaveBox(PropControl control, const std::string& text);
    // The user chose item index of the units list.
    void ChooseItem(PropControl control, int item);
    // The user clicked a digits, date-format or coloured-captions box.
    void ClickButton(PropControl control);
    // The user moved the iterations or the resolution slider to position.
    void MoveSlider(PropControl control, int position);
    // The user clicked a swatch: the colour chooser picks its new colour.
    void ClickSwatch(Swatch swatch);

    // The user asked for another page. False when the page shown refuses to be left:
    // the refusal was shown, and GetRefusedBox names the box to correct.
    bool ChangePage(PropPage page);
    // OK: writes the working copies into the settings and returns true, unless the
    // page shown refuses to be left (as ChangePage). Cancel needs nothing: the
    // settings change only here.
    bool Ok();

    const Control& GetControl(PropControl control) const {
        return controls[static_cast<int>(control)];
    }
    // The working colour of a swatch, as a colour reference.
    std::uint32_t GetSwatchColor(Swatch swatch) const { return colors[static_cast<int>(swatch)]; }
    // The working copy of the chooser's sixteen custom colours.
    const ColorChooser::CustomColors& GetCustomColors() const { return customColors; }
    // The page shown.
    PropPage GetPage() const { return page; }
    // The box whose text the last refusal was about.
    PropControl GetRefusedBox() const { return refusedBox; }

  private:
    Control& Ctl(PropControl control) { return controls[static_cast<int>(control)]; }
    void InitCaptions();
    void Fill();
    void SetUnitsText(const std::string& text);
    void SetSlider(PropControl slider, PropControl text, int position);
    void CheckOneOf(std::initializer_list<PropControl> choice, PropControl checked);
    bool PageMayBeLeft();
    void WriteBack();

    Settings& settings;
    Messages& messages;
    ColorChooser& chooser;
    Control controls[static_cast<int>(PropControl::kCount)];
    std::array<std::uint32_t, kSwatchCount> colors;
    ColorChooser::CustomColors customColors;
    PropPage page = PropPage::kGeneral;
    PropControl refusedBox = PropControl::kStockFees;
};

}  // namespace qx

#endif  // QX_PREFS_PROP_SHEET_MODEL_H
