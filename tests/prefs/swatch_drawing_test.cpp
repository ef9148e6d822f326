#include "prefs/swatch_drawing.h"

#include <gtest/gtest.h>

#include <tuple>

#include "test_support/recording_canvas.h"

namespace qx {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// The swatch over (10, 20)..(30, 36): the colour inside, then top, left, right and
// bottom lines, each stopping short of its end point.
TEST(SwatchDrawing, FillsInsideAndFramesByLook) {
    const struct {
        SwatchLook look;
        std::uint32_t top, left, right, bottom;
    } cases[] = {
        {SwatchLook::kSunken, kBlack, kBlack, kWhite, kWhite},
        {SwatchLook::kFocused, kBlack, kBlack, kBlack, kBlack},
        {SwatchLook::kRaised, kWhite, kWhite, kBlack, kBlack},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        DrawSwatch(canvas, 10, 20, 30, 36, 0x3366CC, c.look);
        SCOPED_TRACE(static_cast<int>(c.look));
        ASSERT_EQ(canvas.fills.size(), 1u);
        const RecordingCanvas::Fill& f = canvas.fills[0];
        EXPECT_EQ(std::make_tuple(f.x, f.y, f.width, f.height, f.color),
                  std::make_tuple(11, 21, 18, 14, 0x3366CCu));
        ASSERT_EQ(canvas.lines.size(), 4u);
        const RecordingCanvas::Stroke expected[] = {{10, 20, 30, 20, c.top},
                                                    {10, 20, 10, 36, c.left},
                                                    {29, 20, 29, 35, c.right},
                                                    {10, 35, 30, 35, c.bottom}};
        for (int i = 0; i < 4; ++i) {
            const auto& got = canvas.lines[i];
            const auto& want = expected[i];
            EXPECT_EQ(std::make_tuple(got.x1, got.y1, got.x2, got.y2, got.color),
                      std::make_tuple(want.x1, want.y1, want.x2, want.y2, want.color))
                << "line " << i;
        }
    }
}

}  // namespace
}  // namespace qx
