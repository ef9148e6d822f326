#ifndef QX_PLATFORM_QT_QT_COLOR_H
#define QX_PLATFORM_QT_QT_COLOR_H

#include <QColor>
#include <cstdint>

namespace qx {

// The QColor of a colour reference (red in the lowest byte, then green, then blue).
inline QColor ToQColor(std::uint32_t color) {
    return QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF);
}

// The colour reference of a QColor, without its alpha.
inline std::uint32_t ToColorRef(const QColor& color) {
    return static_cast<std::uint32_t>(color.red()) |
           static_cast<std::uint32_t>(color.green()) << 8 |
           static_cast<std::uint32_t>(color.blue()) << 16;
}

}  // namespace qx

#endif  // QX_PLATFORM_QT_QT_COLOR_H
