#ifndef QX_PLATFORM_QT_TITLED_GROUP_BOX_H
#define QX_PLATFORM_QT_TITLED_GROUP_BOX_H

#include <QColor>
#include <QGroupBox>

class QStyleOptionGroupBox;

namespace qx {

// A group box whose title may have a colour of its own. The colour reaches the title's
// drawing only: as a palette of the box it would pass on to every control inside the
// group, and give each of them style-cache keys of their own.
class TitledGroupBox : public QGroupBox {
  public:
    using QGroupBox::QGroupBox;

    // The title's colour; an invalid colour gives it the palette's text colour again.
    void SetTitleColor(const QColor& color);
    QColor GetTitleColor() const { return titleColor; }

  protected:
    void initStyleOption(QStyleOptionGroupBox* option) const override;

  private:
    QColor titleColor;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_TITLED_GROUP_BOX_H
