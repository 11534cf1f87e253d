// A form's layout as data: its frame, its controls with their settings, its menu bar, and the
// names of the handlers its events are bound to. BuildForm turns a layout into the form's
// controls and binds the events to the handlers the form class offers under those names.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

struct ControlLayout {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    std::string parent{};  // a control of the form; empty for the form itself
    Rect bounds{};
    unsigned anchors = kAnchorsDefault;
    std::string text{};  // caption or text
    std::string hint{};
    bool showHint = false;
    bool enabled = true;
    bool visible = true;
    int tabOrder = 0;
    Font font{};
    bool imeOff = false;
    std::vector<std::string> items{};  // combo box list
    int minValue = 0;                  // spin box range
    int maxValue = 0;
    int modalResult = mrNone;  // push button
    bool isDefault = false;
    bool isCancel = false;
    bool checked = false;   // check box
    bool wordWrap = false;  // label
    bool autoSize = true;
    bool alignTop = false;                 // bevel
    BevelCut bevelInner = BevelCut::None;  // panel
    BevelCut bevelOuter = BevelCut::Raised;
    bool multiLine = false;  // page control
    int resourceId = 0;      // picture
    bool stretch = false;
    TextAlign alignment = TextAlign::Left;  // label
    Cursor cursor = Cursor::Default;
    // Makes a control of a class of the program's own (a kind of label, say) instead of the
    // platform's control of that kind.
    std::function<Control&(Form& form, const std::string& name, Control* parent)> create{};
    // Names of the form's handlers; empty for none.
    std::string onChange{};
    std::string onClick{};
    std::string onShow{};  // tab sheet
};

struct MenuLayout {
    std::string name{};
    std::string caption{};
    std::string parent{};  // the menu it drops from; empty for a menu of the bar
    std::string onClick{};
};

struct FormLayout {
    std::string name{};
    std::string caption{};
    int clientWidth = 0;
    int clientHeight = 0;
    BorderStyle border = BorderStyle::Sizeable;
    bool minimizeBox = true;
    bool maximizeBox = true;
    FormPosition position = FormPosition::Default;
    Font font{};
    std::string onShow{};
    std::string onClose{};
    std::string onCreate{};
    std::vector<ControlLayout> controls{};
    std::string menuName{};  // empty: no menu bar
    std::vector<MenuLayout> menu{};
};

// The handlers a form class offers to its layout, by name.
struct FormHandlers {
    std::map<std::string, Control::Handler> events;
    std::map<std::string, MenuItem::Handler> menuItems;
    std::map<std::string, Form::CloseHandler> close;
};

// Builds the controls and the menu bar of the layout on the form and binds their events; then
// runs the form's create event. Throws std::logic_error for a name that does not resolve.
void BuildForm(Form& form, const FormLayout& layout, const FormHandlers& handlers);

}  // namespace kelvaro
