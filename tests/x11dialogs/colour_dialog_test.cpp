// The colour dialog: the same edit ends with OK or Cancel, and only OK takes
// the colours.
// Google Test before Xlib, whose None and Bool macros would clash with it.
#include <gtest/gtest.h>

#include "editor/colour_schemes.h"
#include "editor/x11/colour_dialog.h"
#include "x11_fixture.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kRedCell = 8; // (255, 0, 0), second row, first column

} // namespace

using ColourDialogTest = X11Fixture;

TEST_F(ColourDialogTest, OnlyOkTakesTheEditedColours) {
    struct Case {
        dialog::Rect button;
        bool ok;
    };
    const Case cases[] = {{ColourDialog::kOkButton, true}, {ColourDialog::kCancelButton, false}};
    ASSERT_EQ(ColourDialog::paletteColour(kRedCell), 0xFFu);
    for (const Case& c : cases) {
        ColourDialogState state;
        std::int32_t colours[15];
        std::copy(std::begin(kNaturalColours), std::end(kNaturalColours), colours);
        int results = 0;
        bool ok = !c.ok;
        ColourDialog dialog(display, owner, state, colours, [&](bool result) {
            ++results;
            ok = result;
        });
        auto route = [&](const XEvent& e) { dialog.handle(e); };
        ASSERT_TRUE(waitShown(route, dialog.window()));
        auto clickAt = [&](const dialog::Rect& r) {
            int x, y;
            toRoot(dialog.window(), r.x + r.width / 2, r.y + r.height / 2, x, y);
            moveTo(x, y);
            click();
            pumpFor(route, 30);
        };
        clickAt(ColourDialog::swatch(1));
        clickAt(ColourDialog::paletteCell(kRedCell));
        clickAt(c.button);
        ASSERT_TRUE(pumpUntil(route, [&] { return results > 0; }));
        EXPECT_EQ(results, 1);
        EXPECT_EQ(ok, c.ok);
        EXPECT_FALSE(dialog.isOpen());
        std::int32_t expected[15];
        std::copy(std::begin(kNaturalColours), std::end(kNaturalColours), expected);
        if (c.ok) expected[3] = 255, expected[4] = 0, expected[5] = 0;
        EXPECT_TRUE(std::equal(std::begin(colours), std::end(colours), std::begin(expected)))
            << (c.ok ? "OK" : "Cancel");
    }
}
