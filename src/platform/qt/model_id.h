#ifndef QX_PLATFORM_QT_MODEL_ID_H
#define QX_PLATFORM_QT_MODEL_ID_H

#include <type_traits>

namespace qx {

// The id of a control or a command as the window layer keeps it: a model's enum class
// (EditorControl, GraphCommand, ...), or its index.
class ModelId {
  public:
    template <class Id, class = std::enable_if_t<std::is_enum_v<Id>>>
    constexpr ModelId(Id id) : value(static_cast<int>(id)) {}
    constexpr ModelId(int index) : value(index) {}

    constexpr int Index() const { return value; }

  private:
    int value;
};

}  // namespace qx

#endif  // QX_PLATFORM_QT_MODEL_ID_H
