#include "platform/qt/control_binding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "platform/qt/qt_color.h"
#include "platform/qt/titled_group_box.h"

namespace qx {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

bool IsEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A read-only box for a computed result. A result too long for the box would lose its
// start, and with it the sign, to the box's scrolling; this box shows the start
// instead and puts the whole text in its tooltip.
class ResultLineEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

    void ShowText(const QString& text) {
        if (this->text() != text) setText(text);
        Fit();
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        Fit();
    }

  private:
    void Fit() {
        setCursorPosition(0);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        const QRect area = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
        // The box keeps a margin of two pixels either side of its text.
        const bool fits = fontMetrics().horizontalAdvance(text()) <= area.width() - 4;
        setToolTip(fits ? QString() : text());
    }
};

// Focus leaves a box for good when the user moves it; a menu or combo popup, or another
// window coming to the front, hands it back to the same box afterwards.
bool IsLeaving(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

}  // namespace

ControlBinding::ControlBinding(Handlers eventHandlers, QObject* parent)
    : QObject(parent), handlers(std::move(eventHandlers)) {}

template <class W>
W* ControlBinding::Add(ModelId id, Kind kind, W* widget) {
    const int control = id.Index();
    if (control >= static_cast<int>(bound.size())) bound.resize(control + 1);
    // Rows and fields appear and disappear; the window keeps their place so that
    // nothing else moves.
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
    // A widget shares the application's palette until it needs colours of its own: a
    // palette of its own gives it style-cache keys of its own, which a long session of
    // windows would pile up.
    bound[control] =
        Bound{widget, kind, widget->palette().resolveMask() == 0 ? QPalette() : widget->palette(),
              TextColor::kNormal};
    return widget;
}

QLabel* ControlBinding::Label(ModelId control, QWidget* parent) {
    return Add(control, Kind::kLabel, new QLabel(parent));
}

QLabel* ControlBinding::LabelFor(ModelId control, QWidget* field) {
    QLabel* label = Label(control, field->parentWidget());
    label->setBuddy(field);
    return label;
}

QGroupBox* ControlBinding::Group(ModelId control, QWidget* parent) {
    return Add(control, Kind::kGroup, new TitledGroupBox(parent));
}

QLineEdit* ControlBinding::Box(ModelId control, QWidget* parent) {
    auto* box = Add(control, Kind::kBox, new QLineEdit(parent));
    WatchBox(control, box, box);
    return box;
}

QLineEdit* ControlBinding::ResultBox(ModelId control, QWidget* parent) {
    auto* box = new ResultLineEdit(parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Tab moves from input to input; a click still selects a result for copying.
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
    box->setPalette(palette);
    return Add(control, Kind::kResult, box);
}

QComboBox* ControlBinding::EditableList(ModelId control, QWidget* parent) {
    QComboBox* list = ChoiceList(control, parent);
    bound[control.Index()].kind = Kind::kList;
    list->setEditable(true);
    // What the user types is read as it stands: 50 must not become the 500 of the list.
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(14);
    // The list takes the focus and the keys for its box, so it is the one watched.
    WatchBox(control, list, list->lineEdit());
    return list;
}

QComboBox* ControlBinding::ChoiceList(ModelId control, QWidget* parent) {
    auto* list = Add(control, Kind::kChoice, new QComboBox(parent));
    connect(list, &QComboBox::activated, this, [this, control, list](int item) {
        BeforeEvent(list);
        if (handlers.choose) handlers.choose(control.Index(), item);
    });
    return list;
}

QCheckBox* ControlBinding::CheckBox(ModelId control, QWidget* parent) {
    auto* button = Add(control, Kind::kCheck, new QCheckBox(parent));
    WatchToggles(control, button);
    return button;
}

QRadioButton* ControlBinding::RadioButton(ModelId control, QWidget* parent) {
    auto* button = Add(control, Kind::kCheck, new QRadioButton(parent));
    // The model decides which of the buttons is checked.
    button->setAutoExclusive(false);
    WatchToggles(control, button);
    return button;
}

// A click, Space and an assistive tool's Toggle action all toggle the button, but only
// the first two also report a click; the toggle is what every way has in common. The
// model's answer arrives through Mirror, whose changes raise no toggles.
void ControlBinding::WatchToggles(ModelId control, QAbstractButton* button) {
    connect(button, &QAbstractButton::toggled, this, [this, control, button] {
        BeforeEvent(button);
        if (handlers.click) handlers.click(control.Index());
    });
}

QPushButton* ControlBinding::Button(ModelId control, QWidget* parent) {
    auto* button = Add(control, Kind::kButton, new QPushButton(parent));
    // Enter in a box must never press a button of the window.
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, control, button] {
        BeforeEvent(button);
        if (handlers.click) handlers.click(control.Index());
    });
    return button;
}

QSlider* ControlBinding::Slider(ModelId control, QWidget* parent) {
    auto* slider = Add(control, Kind::kSlider, new QSlider(Qt::Horizontal, parent));
    connect(slider, &QSlider::valueChanged, this, [this, control, slider](int position) {
        BeforeEvent(slider);
        if (handlers.move) handlers.move(control.Index(), position);
    });
    return slider;
}

QWidget* ControlBinding::Widget(ModelId control) const {
    const int index = control.Index();
    return index >= 0 && index < static_cast<int>(bound.size()) ? bound[index].widget : nullptr;
}

void ControlBinding::ReserveWidth(ModelId control, const std::vector<std::string>& texts) {
    QWidget* widget = Widget(control);
    auto* label = qobject_cast<QLabel*>(widget);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!label && !button) return;
    const auto setText = [label, button](const QString& text) {
        if (label) label->setText(text);
        if (button) button->setText(text);
    };
    // Each text is measured as the widget itself would size it, then the shown one returns.
    const QString shown = label ? label->text() : button->text();
    int width = 0;
    for (const std::string& text : texts) {
        setText(ToQt(text));
        width = std::max(width, widget->sizeHint().width());
    }
    setText(shown);
    widget->setMinimumWidth(width);
}

void ControlBinding::WatchBox(ModelId control, QWidget* focusTaker, QLineEdit* box) {
    boxes[focusTaker] = Watched{control.Index(), box};
    focusTaker->installEventFilter(this);
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* event) {
    const auto found = boxes.find(watched);
    if (found == boxes.end()) return false;
    const Watched& box = found->second;
    if (IsEnterKey(event)) {
        Leave(box.control, box.box);
        if (handlers.enter) handlers.enter();
        return true;  // the window sees Enter typed in a box only through handlers.enter
    }
    if (IsLeaving(event)) Leave(box.control, box.box);
    return false;
}

void ControlBinding::Leave(int control, QLineEdit* box) {
    // Only text the user changed is read: passing through a box must not, for
    // example, re-date the position to the start of the day shown in the date box.
    if (mirroring || box->isReadOnly() || !box->isModified()) return;
    box->setModified(false);
    if (handlers.leave) handlers.leave(control, box->text().toStdString());
}

void ControlBinding::LeaveFocusedBox() {
    QWidget* focus = QApplication::focusWidget();
    const auto found = boxes.find(focus);
    if (found != boxes.end()) Leave(found->second.control, found->second.box);
}

void ControlBinding::BeforeEvent(const QObject* source) {
    // A box that still holds typed text is read before another control acts, as it
    // would have been had the user clicked into that control first.
    if (QApplication::focusWidget() != source) LeaveFocusedBox();
}

void ControlBinding::SetHighlightColors(const std::array<std::uint32_t, 3>& colors) {
    for (std::size_t role = 0; role < colors.size(); ++role)
        highlight[role] = ToQColor(colors[role]);
    for (Bound& b : bound)
        if (b.widget) MirrorColor(b, b.color, true);
}

void ControlBinding::Mirror(ModelId control, const Control& state) {
    Bound& b = bound.at(control.Index());
    if (!b.widget) return;
    const bool wasMirroring = mirroring;
    mirroring = true;
    QWidget* w = b.widget;
    const QSignalBlocker quiet(w);
    switch (b.kind) {
        case Kind::kList:
        case Kind::kChoice:
            MirrorList(static_cast<QComboBox*>(w), state, b.kind == Kind::kList);
            break;
        case Kind::kCheck: {
            auto* button = static_cast<QAbstractButton*>(w);
            if (button->isChecked() != state.checked) button->setChecked(state.checked);
            MirrorText(b, state);
            break;
        }
        case Kind::kSlider: {
            auto* slider = static_cast<QSlider*>(w);
            slider->setRange(state.minimum, state.maximum);
            if (slider->value() != state.position) slider->setValue(state.position);
            break;
        }
        default: MirrorText(b, state);
    }
    if (w->isEnabled() != state.enabled) w->setEnabled(state.enabled);
    if (w->isHidden() == state.visible) w->setVisible(state.visible);
    MirrorColor(b, state.color, false);
    mirroring = wasMirroring;
}

void ControlBinding::MirrorText(const Bound& b, const Control& state) {
    const QString text = ToQt(state.text);
    switch (b.kind) {
        case Kind::kLabel: {
            auto* label = static_cast<QLabel*>(b.widget);
            if (label->text() != text) label->setText(text);
            break;
        }
        case Kind::kGroup: {
            auto* group = static_cast<QGroupBox*>(b.widget);
            if (group->title() != text) group->setTitle(text);
            break;
        }
        case Kind::kBox: {
            auto* box = static_cast<QLineEdit*>(b.widget);
            if (box->text() != text) box->setText(text);
            break;
        }
        case Kind::kResult: static_cast<ResultLineEdit*>(b.widget)->ShowText(text); break;
        default: {
            auto* button = static_cast<QAbstractButton*>(b.widget);
            if (button->text() != text) button->setText(text);
        }
    }
}

void ControlBinding::MirrorList(QComboBox* list, const Control& state, bool editable) {
    QStringList items;
    items.reserve(static_cast<int>(state.items.size()));
    for (const std::string& item : state.items) items.append(ToQt(item));
    bool same = list->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = list->itemText(i) == items[i];
    if (!same) {
        list->clear();
        list->addItems(items);
    }
    MirrorUnavailable(list, state.unavailable);
    const int selected = state.selected < list->count() ? state.selected : -1;
    if (list->currentIndex() != selected) list->setCurrentIndex(selected);
    // An editable list shows the model's text, typed or chosen.
    if (editable && list->currentText() != ToQt(state.text)) list->setEditText(ToQt(state.text));
}

void ControlBinding::MirrorUnavailable(QComboBox* list, const std::vector<int>& unavailable) {
    auto* items = qobject_cast<QStandardItemModel*>(list->model());
    if (!items) return;
    for (int i = 0; i < items->rowCount(); ++i) {
        const bool enabled =
            std::find(unavailable.begin(), unavailable.end(), i) == unavailable.end();
        if (items->item(i)->isEnabled() != enabled) items->item(i)->setEnabled(enabled);
    }
}

void ControlBinding::MirrorColor(Bound& b, TextColor color, bool force) {
    if (b.color == color && !force) return;
    b.color = color;
    const QColor c =
        color == TextColor::kNormal ? QColor() : highlight[static_cast<int>(color) - 1];
    if (b.kind == Kind::kGroup) return static_cast<TitledGroupBox*>(b.widget)->SetTitleColor(c);
    QPalette palette = b.palette;
    if (c.isValid()) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::WindowText, c);
            palette.setColor(group, QPalette::Text, c);
            palette.setColor(group, QPalette::ButtonText, c);
        }
    }
    b.widget->setPalette(palette);
}

}  // namespace qx
