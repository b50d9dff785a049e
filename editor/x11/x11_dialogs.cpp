#include "editor/x11/x11_dialogs.h"

#include "editor/menu_items.h"
#include "editor/x11/about_box.h"
#include "editor/x11/colour_dialog.h"
#include "editor/x11/compressor_editor.h"
#include "editor/x11/display_settings_apply.h"
#include "editor/x11/help_window.h"
#include "editor/x11/popup_menu.h"
#include "engine/compressor_effect.h"

namespace {

// A window that closes itself; it is let go at the next event after it did.
template <typename Dialog> void letGoIfClosed(std::unique_ptr<Dialog>& dialog) {
    if (dialog && !dialog->isOpen()) dialog.reset();
}

template <typename Dialog> bool routeTo(Dialog* dialog, const XEvent& event) {
    if (!dialog || event.xany.window != dialog->window()) return false;
    dialog->handle(event);
    return true;
}

class EditorDialogs : public X11Dialogs {
  public:
    explicit EditorDialogs(CompressorEditor& editor)
        : editor(editor), target(editor), help(editor.display()),
          menu(
              editor.display(), menu::kContextMenu,
              [&editor](int id) { return isMenuItemChecked(editor.owner().settings, id); },
              [this](int id) { handleMenuCommand(target, id); }) {}

    void openContextMenu(int rootX, int rootY) override { menu.open(rootX, rootY); }

    void openHelp() override { help.open(editor.window()); }

    void showAbout() override {
        letGoIfClosed(about);
        if (!about) about = std::make_unique<AboutBox>(editor.display(), editor.window(), [] {});
    }

    // Custom chosen again while its dialog is open keeps the open one.
    void openColourDialog(std::function<void(bool ok)> done) override {
        letGoIfClosed(colours);
        if (colours) return;
        colours =
            std::make_unique<ColourDialog>(editor.display(), editor.window(), colourDialogState(),
                                           editor.owner().settings.customColours, done);
    }

    bool routeEvent(const XEvent& event) override {
        if (menu.isOpen() && menu.owns(event.xany.window)) {
            menu.handle(event);
            return true;
        }
        if (routeTo(&help, event)) return true;
        return routeTo(about.get(), event) || routeTo(colours.get(), event);
    }

  private:
    CompressorEditor& editor;
    EditorMenuTarget target;
    HelpWindow help;
    PopupMenu menu;
    std::unique_ptr<AboutBox> about;
    std::unique_ptr<ColourDialog> colours;
};

} // namespace

std::unique_ptr<X11Dialogs> makeDialogs(CompressorEditor& editor) {
    return std::make_unique<EditorDialogs>(editor);
}
