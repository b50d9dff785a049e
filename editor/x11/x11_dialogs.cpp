#include "editor/x11/x11_dialogs.h"

namespace {

class NoDialogs : public X11Dialogs {
  public:
    void openContextMenu(int, int) override {}
    void openHelp() override {}
    void showAbout() override {}
};

} // namespace

std::unique_ptr<X11Dialogs> makeDialogs(CompressorEditor&) {
    return std::make_unique<NoDialogs>();
}
