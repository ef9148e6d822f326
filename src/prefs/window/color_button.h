#ifndef QX_PREFS_WINDOW_COLOR_BUTTON_H
#define QX_PREFS_WINDOW_COLOR_BUTTON_H

#include <QAbstractButton>
#include <cstdint>

namespace qx {

// A small square swatch showing one colour; clicking it is how the user picks another.
// It looks sunken while the left button is down on it, framed in black when it only
// has the keyboard focus, and raised otherwise.
class ColorButton : public QAbstractButton {
    Q_OBJECT

  public:
    // A black swatch, not pressed.
    explicit ColorButton(QWidget* parent);

    // Shows color (a colour reference) from now on.
    void SetColor(std::uint32_t color);
    // The colour shown, as a colour reference.
    std::uint32_t GetColor() const { return color; }
    // Whether the left mouse button went down on the swatch and is not yet released.
    bool IsPressed() const { return pressed; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::uint32_t color = 0;
    bool pressed = false;
};

}  // namespace qx

#endif  // QX_PREFS_WINDOW_COLOR_BUTTON_H
