#ifndef QX_PLATFORM_QT_CONTROL_BINDING_H
#define QX_PLATFORM_QT_CONTROL_BINDING_H

#include <QColor>
#include <QObject>
#include <QPalette>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/model_id.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;

namespace qx {

// Widgets bound to the controls of a model by control id. A user event on a widget
// reaches the model through one of four handlers; Mirror copies a control's state back
// into its widget without raising events. Text boxes, editable lists included, are read
// when the user leaves them or presses Enter in them after changing their text, and
// only then; an editable list never completes what is typed. Check boxes and radio
// buttons report a click however they are toggled: mouse, Space or an assistive tool.
class ControlBinding : public QObject {
  public:
    // What the model is told about user events; a window whose model takes no such
    // event leaves its handler empty.
    struct Handlers {
        std::function<void(int control, const std::string& text)> leave;  // a box was left
        std::function<void(int control, int item)> choose;                // a list item was chosen
        std::function<void(int control)> click;                           // a button was clicked
        std::function<void(int control, int position)> move;              // a slider was moved
        std::function<void()> enter;  // Enter was typed in a box, after the box was read
    };

    // Calls handlers for the events of the widgets made below.
    ControlBinding(Handlers handlers, QObject* parent);

    // Widgets bound to control, made as children of parent.
    QLabel* Label(ModelId control, QWidget* parent);
    // A label bound to control that names field: made beside it, with field as its
    // buddy, so screen readers announce the field by the label and mnemonics reach it.
    QLabel* LabelFor(ModelId control, QWidget* field);
    QGroupBox* Group(ModelId control, QWidget* parent);
    QLineEdit* Box(ModelId control, QWidget* parent);
    // A box that only shows a result: read-only, on the window's background. A text
    // too long for it shows its start (a sign, the leading digits) and lies whole in
    // the tooltip.
    QLineEdit* ResultBox(ModelId control, QWidget* parent);
    // A list whose box can also be typed into.
    QComboBox* EditableList(ModelId control, QWidget* parent);
    QComboBox* ChoiceList(ModelId control, QWidget* parent);
    QCheckBox* CheckBox(ModelId control, QWidget* parent);
    QRadioButton* RadioButton(ModelId control, QWidget* parent);
    QPushButton* Button(ModelId control, QWidget* parent);
    QSlider* Slider(ModelId control, QWidget* parent);

    // The widget bound to control, or null when none is.
    QWidget* Widget(ModelId control) const;

    // Keeps the widget of a label or button at least as wide as the widest of texts,
    // so a control that changes between them moves nothing beside it.
    void ReserveWidth(ModelId control, const std::vector<std::string>& texts);

    // The colours of the three highlight roles, as colour references: group, text and
    // message highlight.
    void SetHighlightColors(const std::array<std::uint32_t, 3>& colors);

    // Copies the state of control into its widget.
    void Mirror(ModelId control, const Control& state);

    // Copies the state of every bound control from the model, whose GetControl takes Id.
    template <class Id, class Model>
    void MirrorAll(const Model& model) {
        for (int control = 0; control < static_cast<int>(bound.size()); ++control)
            if (bound[control].widget) Mirror(control, model.GetControl(static_cast<Id>(control)));
    }

    // Reads the text box that has the keyboard focus, as if the user had left it, so a
    // command sees what the user typed.
    void LeaveFocusedBox();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Kind { kLabel, kGroup, kBox, kResult, kList, kChoice, kCheck, kButton, kSlider };

    struct Bound {
        QWidget* widget = nullptr;
        Kind kind = Kind::kLabel;
        // The colours the widget was made with (a result box's background), before any
        // highlight; empty when it shares its parent's.
        QPalette palette;
        TextColor color = TextColor::kNormal;
    };

    template <class W>
    W* Add(ModelId control, Kind kind, W* widget);
    void WatchBox(ModelId control, QWidget* focusTaker, QLineEdit* box);
    void WatchToggles(ModelId control, QAbstractButton* button);
    void Leave(int control, QLineEdit* box);
    void BeforeEvent(const QObject* source);
    void MirrorText(const Bound& bound, const Control& state);
    void MirrorList(QComboBox* list, const Control& state, bool editable);
    static void MirrorUnavailable(QComboBox* list, const std::vector<int>& unavailable);
    void MirrorColor(Bound& bound, TextColor color, bool force);

    Handlers handlers;
    std::vector<Bound> bound;  // by control id
    // A text box, watched through the widget that takes its focus and keys.
    struct Watched {
        int control;
        QLineEdit* box;
    };

    std::unordered_map<const QObject*, Watched> boxes;
    std::array<QColor, 3> highlight;
    bool mirroring = false;  // set while widgets change under the model's hand
};

// A handler that gives one event method of a model (LeaveBox, ClickButton, ...) the
// control as the model's own id, then calls then with what the method returned: a
// request for the window to carry out, or nothing.
template <class Model, class Result, class Id, class... Args, class Then>
std::function<void(int, Args...)> Forward(Model& model, Result (Model::*event)(Id, Args...),
                                          Then then) {
    return [&model, event, then](int control, Args... args) {
        if constexpr (std::is_void_v<Result>) {
            (model.*event)(static_cast<Id>(control), args...);
            then();
        } else {
            then((model.*event)(static_cast<Id>(control), args...));
        }
    };
}

// Whether a model takes a kind of widget event: Event<Model> names the model's event
// method, and is well formed only when the model has it.
template <template <class> class Event, class Model, class = void>
inline constexpr bool kTakes = false;
template <template <class> class Event, class Model>
inline constexpr bool kTakes<Event, Model, std::void_t<Event<Model>>> = true;
template <class Model>
using LeaveBoxEvent = decltype(&Model::LeaveBox);
template <class Model>
using ChooseItemEvent = decltype(&Model::ChooseItem);
template <class Model>
using ClickButtonEvent = decltype(&Model::ClickButton);
template <class Model>
using MoveSliderEvent = decltype(&Model::MoveSlider);

// The handlers of a window over model: each event goes to the model's LeaveBox,
// ChooseItem, ClickButton or MoveSlider, those it has, and then to then (see Forward).
template <class Model, class Then>
ControlBinding::Handlers ForwardEvents(Model& model, Then then) {
    ControlBinding::Handlers handlers;
    if constexpr (kTakes<LeaveBoxEvent, Model>)
        handlers.leave = Forward(model, &Model::LeaveBox, then);
    if constexpr (kTakes<ChooseItemEvent, Model>)
        handlers.choose = Forward(model, &Model::ChooseItem, then);
    if constexpr (kTakes<ClickButtonEvent, Model>)
        handlers.click = Forward(model, &Model::ClickButton, then);
    if constexpr (kTakes<MoveSliderEvent, Model>)
        handlers.move = Forward(model, &Model::MoveSlider, then);
    return handlers;
}

}  // namespace qx

#endif  // QX_PLATFORM_QT_CONTROL_BINDING_H
