#include "platform/wx/WxGtk.h"

// wx/meta/convertible.h of wxWidgets 3.2.2 uses std::is_base_of without its header.
#include <type_traits>

#include <wx/window.h>

#include <dlfcn.h>

#include <vector>

// The one GLib type the calls below walk: a node of a GList.
struct GListNode {
    void* data;
    GListNode* next;
    GListNode* prev;
};

namespace {

// A GTK or GLib function of the running process, or nullptr.
template <class F>
F Gtk(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
}

void* DefaultScreen() {
    auto screen = Gtk<void* (*)()>("gdk_screen_get_default");
    return screen ? screen() : nullptr;
}

const char CompactClass[] = "trailbook-form";

}  // namespace

// The forms are laid out for compact controls: a date of ten digits fits an
// 80-pixel edit, a radio button is 17 pixels high. GTK's default theme pads
// entries and buttons far more and wants more room for a radio button's
// mark, so a small style sheet takes the padding down to what the layout
// expects, inside the forms only.
// The controls inside the forms change their looks at once, without the
// theme's transitions: a transition animates a new font size (the rescaling
// component sets one on every control at each size change) and a new state
// over a fifth of a second, so a window that changed size was laid out and
// painted again frame after frame instead of once.
// The same style sheet makes every combo box drop its list down as a list
// box, as the platform's combo boxes do: GTK's other way, a menu, keeps a
// menu item per row that follows every change of the rows, and costs seconds
// for a list of a few thousand scouts, while a list box takes any number of
// rows at once. That rule is read when a combo box is made, before it is in
// a form, so it holds everywhere; it is installed before any combo box exists.
// The rows of a list box lie as close as the platform's (see SetRowHeight):
// no space between them, and no least height kept for the mark of a branch,
// which a list never shows.
void InstallCompactStyle() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    auto newProvider = Gtk<void* (*)()>("gtk_css_provider_new");
    auto loadData = Gtk<int (*)(void*, const char*, long, void**)>("gtk_css_provider_load_from_data");
    auto addProvider = Gtk<void (*)(void*, void*, unsigned)>("gtk_style_context_add_provider_for_screen");
    void* screen = DefaultScreen();
    if (!newProvider || !loadData || !addProvider || !screen) return;
    static const char css[] =
        "combobox { -GtkComboBox-appears-as-list: 1; }\n"
        ".trailbook-form entry { padding: 0 3px; min-height: 0; }\n"
        ".trailbook-form button { padding: 0 4px; min-height: 0; }\n"
        ".trailbook-form combobox button, .trailbook-form combobox entry { padding-top: 0; padding-bottom: 0; }\n"
        ".trailbook-form radiobutton, .trailbook-form checkbutton { padding: 0 2px; min-height: 0; }\n"
        ".trailbook-form radio, .trailbook-form check { min-width: 12px; min-height: 12px; margin: 0 4px 0 0; }\n"
        ".trailbook-form button:focus { outline-style: dashed; outline-width: 1px; outline-offset: -3px;"
        " outline-color: alpha(currentColor, 0.8); }\n"
        ".trailbook-form * { transition: none; }\n"
        ".trailbook-form treeview { -GtkTreeView-vertical-separator: 0; -GtkTreeView-expander-size: 0; }\n";
    void* provider = newProvider();
    if (!provider || !loadData(provider, css, -1, nullptr)) return;
    const unsigned applicationPriority = 600;  // GTK_STYLE_PROVIDER_PRIORITY_APPLICATION
    addProvider(screen, provider, applicationPriority);
}

void MarkCompact(wxWindow* window) {
    auto styleContext = Gtk<void* (*)(void*)>("gtk_widget_get_style_context");
    auto addClass = Gtk<void (*)(void*, const char*)>("gtk_style_context_add_class");
    if (!window || !styleContext || !addClass) return;
    void* widget = window->GetHandle();
    if (void* context = widget ? styleContext(widget) : nullptr) addClass(context, CompactClass);
}

namespace {

void Restack(wxWindow* control, bool raise) {
    auto ownWindow = Gtk<void* (*)(void*)>("gtk_widget_get_window");
    auto hasWindow = Gtk<int (*)(void*)>("gtk_widget_get_has_window");
    auto parentOf = Gtk<void* (*)(void*)>("gdk_window_get_parent");
    auto children = Gtk<GListNode* (*)(void*)>("gdk_window_peek_children");
    auto userData = Gtk<void (*)(void*, void**)>("gdk_window_get_user_data");
    auto isAncestor = Gtk<int (*)(void*, void*)>("gtk_widget_is_ancestor");
    auto move = Gtk<void (*)(void*)>(raise ? "gdk_window_raise" : "gdk_window_lower");
    void* widget = control ? control->GetHandle() : nullptr;
    if (!ownWindow || !hasWindow || !parentOf || !children || !userData || !isAncestor || !move || !widget) {
        if (control) raise ? control->Raise() : control->Lower();
        return;
    }
    void* window = ownWindow(widget);
    void* parent = window && hasWindow(widget) ? parentOf(window) : window;
    if (!parent) return;
    std::vector<void*> mine;
    for (GListNode* child = children(parent); child; child = child->next) {
        void* owner = nullptr;
        userData(child->data, &owner);
        if (owner && (owner == widget || isAncestor(owner, widget))) mine.push_back(child->data);
    }
    for (void* w : mine) move(w);
}

}  // namespace

void RaiseControl(wxWindow* control) { Restack(control, true); }
void LowerControl(wxWindow* control) { Restack(control, false); }

void* FocusWidgetOf(wxWindow* topLevel) {
    auto focus = Gtk<void* (*)(void*)>("gtk_window_get_focus");
    void* window = topLevel ? topLevel->GetHandle() : nullptr;
    return focus && window ? focus(window) : nullptr;
}

bool WidgetHolds(wxWindow* control, void* widget) {
    auto isAncestor = Gtk<int (*)(void*, void*)>("gtk_widget_is_ancestor");
    void* own = control ? control->GetHandle() : nullptr;
    if (!own || !widget) return false;
    return own == widget || (isAncestor && isAncestor(widget, own));
}

bool PopupOpen() {
    auto grabbed = Gtk<void* (*)()>("gtk_grab_get_current");
    return grabbed && grabbed();
}

void ShowFocusRing(wxWindow* topLevel) {
    auto setVisible = Gtk<void (*)(void*, int)>("gtk_window_set_focus_visible");
    void* window = topLevel ? topLevel->GetHandle() : nullptr;
    if (setVisible && window) setVisible(window, 1);
}

void SetRowHeight(void* treeView, int height) {
    auto columnOf = Gtk<void* (*)(void*, int)>("gtk_tree_view_get_column");
    auto cellsOf = Gtk<GListNode* (*)(void*)>("gtk_cell_layout_get_cells");
    auto getPadding = Gtk<void (*)(void*, int*, int*)>("gtk_cell_renderer_get_padding");
    auto setPadding = Gtk<void (*)(void*, int, int)>("gtk_cell_renderer_set_padding");
    auto setFixedSize = Gtk<void (*)(void*, int, int)>("gtk_cell_renderer_set_fixed_size");
    auto queueResize = Gtk<void (*)(void*)>("gtk_tree_view_column_queue_resize");
    auto freeList = Gtk<void (*)(GListNode*)>("g_list_free");
    if (!treeView || !columnOf || !cellsOf || !getPadding || !setPadding || !setFixedSize || !queueResize || !freeList)
        return;
    for (int i = 0; void* column = columnOf(treeView, i); ++i) {
        GListNode* cells = cellsOf(column);
        for (GListNode* cell = cells; cell; cell = cell->next) {
            int xpad = 0, ypad = 0;
            getPadding(cell->data, &xpad, &ypad);
            setPadding(cell->data, xpad, 0);
            setFixedSize(cell->data, -1, height);
        }
        freeList(cells);
        queueResize(column);
    }
}

void EllipsizeCaption(wxWindow* button) {
    auto binChild = Gtk<void* (*)(void*)>("gtk_bin_get_child");
    auto setEllipsize = Gtk<void (*)(void*, int)>("gtk_label_set_ellipsize");
    void* widget = button ? button->GetHandle() : nullptr;
    if (!binChild || !setEllipsize || !widget) return;
    const int ellipsizeEnd = 3;  // PANGO_ELLIPSIZE_END
    if (void* label = binChild(widget)) setEllipsize(label, ellipsizeEnd);
}

int LeastWidth(wxWindow* control) {
    auto preferredWidth = Gtk<void (*)(void*, int*, int*)>("gtk_widget_get_preferred_width");
    void* widget = control ? control->GetHandle() : nullptr;
    int least = 0, natural = 0;
    if (preferredWidth && widget) preferredWidth(widget, &least, &natural);
    return least;
}

ScreenResolution QueryScreenResolution() {
    ScreenResolution answer;
    void* screen = DefaultScreen();
    if (!screen) return answer;
    if (auto resolution = Gtk<double (*)(void*)>("gdk_screen_get_resolution")) answer.fontDpi = resolution(screen);
    if (answer.fontDpi < 0) answer.fontDpi = 0;
    if (auto width = Gtk<int (*)(void*)>("gdk_screen_get_width")) answer.widthPixels = width(screen);
    if (auto widthMm = Gtk<int (*)(void*)>("gdk_screen_get_width_mm")) answer.widthMm = widthMm(screen);
    if (auto scale = Gtk<int (*)(void*, int)>("gdk_screen_get_monitor_scale_factor")) answer.scale = scale(screen, 0);
    if (answer.scale < 1) answer.scale = 1;
    return answer;
}

double ToolkitFontDpi() {
    static const double dpi = [] {
        double font = QueryScreenResolution().fontDpi;
        return font > 0 ? font : 96.0;
    }();
    return dpi;
}

void SetComboActiveRow(wxWindow* combo, int index) {
    auto setActive = Gtk<void (*)(void*, int)>("gtk_combo_box_set_active");
    void* widget = combo ? combo->GetHandle() : nullptr;
    if (setActive && widget) setActive(widget, index < 0 ? -1 : index);
}

// A list dropped down as a list box is first sized to all its rows, and a
// list taller than the X server takes (32,767 pixels, some 1,400 rows) ends
// the program. A combo box with that many rows drops down as a menu instead,
// which GTK refuses to open at that size (with a warning) but survives.
void DropDownAsMenu(wxWindow* combo, bool asMenu) {
    static void* const provider = []() -> void* {
        auto newProvider = Gtk<void* (*)()>("gtk_css_provider_new");
        auto loadData = Gtk<int (*)(void*, const char*, long, void**)>("gtk_css_provider_load_from_data");
        if (!newProvider || !loadData) return nullptr;
        void* made = newProvider();
        return made && loadData(made, "combobox { -GtkComboBox-appears-as-list: 0; }", -1, nullptr) ? made : nullptr;
    }();
    auto styleContext = Gtk<void* (*)(void*)>("gtk_widget_get_style_context");
    auto addProvider = Gtk<void (*)(void*, void*, unsigned)>("gtk_style_context_add_provider");
    auto removeProvider = Gtk<void (*)(void*, void*)>("gtk_style_context_remove_provider");
    if (!provider || !combo || !combo->GetHandle() || !styleContext || !addProvider || !removeProvider) return;
    void* context = styleContext(combo->GetHandle());
    if (!context) return;
    const unsigned userPriority = 800;  // GTK_STYLE_PROVIDER_PRIORITY_USER, above the application's sheet
    if (asMenu)
        addProvider(context, provider, userPriority);
    else
        removeProvider(context, provider);
}
