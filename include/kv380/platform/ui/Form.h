#pragma once

#include "platform/Export.h"

#include "platform/ui/TopLevel.h"

namespace kv380::ui {

// A form (a dialog or an invisible carrier of menus).
//
// Life of a form: load() raises Load once; Show loads it if needed, raises Resize on the first show after
// loading (the first layout replaces the design geometry) and makes it visible; a modal Show waits in the
// desktop until the form is hidden or unloaded. Unload raises QueryUnload, whose handler may cancel; the
// form then hides and counts as unloaded (showing it again loads it again). The model keeps its controls'
// state across an unload: the owner creates a new form when it wants a fresh one.
class KV380_API Form : public TopLevel {
public:
    static constexpr int Modeless = 0;
    static constexpr int Modal = 1;
    // Why a form unloads, as QueryUnload is told.
    static constexpr int UnloadByUser = 0; // the window's close box
    static constexpr int UnloadByCode = 1; // Unload

    explicit Form(std::string name = {});

    const std::string& Caption() const { return m_caption; }
    void setCaption(std::string caption);

    bool Loaded() const { return m_loaded; }
    // True while a modal Show waits.
    bool showingModal() const { return m_modal; }

    // Raises Load unless the form is loaded already.
    void load();
    // modal: 0 or 1, else 5. Showing a form modally that is already shown modally throws 400.
    void Show(int modal = Modeless, TopLevel* owner = nullptr);
    void Hide();
    // Returns whether the form unloaded (false when QueryUnload cancelled).
    bool Unload();
    // The user closes the window with its close box.
    bool closeByUser();

    // Normal, minimized or maximized, as the renderer learns it from the window (or code sets it); another
    // value throws 380. A change raises Resize, as the window's client area changes with it.
    static constexpr int Normal = 0;
    static constexpr int Minimized = 1;
    static constexpr int Maximized = 2;
    int WindowState() const { return m_windowState; }
    void setWindowState(int state);

    std::function<void()> Load;
    std::function<void(int& cancel, int unloadMode)> QueryUnload;

private:
    bool unload(int mode);

    std::string m_caption;
    bool m_loaded{false};
    bool m_shownSinceLoad{false};
    bool m_modal{false};
    int m_windowState{Normal};
};

} // namespace kv380::ui
