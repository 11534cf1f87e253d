#include "platform/layout.h"

#include <stdexcept>

namespace kelvaro {

namespace {

template <class Map>
typename Map::mapped_type Lookup(const Map& handlers, const std::string& name,
                                 const std::string& form) {
    if (name.empty()) {
        return {};
    }
    const auto found = handlers.find(name);
    if (found == handlers.end()) {
        throw std::logic_error("form " + form + " offers no handler " + name);
    }
    return found->second;
}

Control& AddControl(Form& form, const ControlLayout& layout, Control* parent) {
    if (layout.create) {
        return layout.create(form, layout.name, parent);
    }
    switch (layout.kind) {
        case ControlKind::Edit:
            return form.Add<Edit>(layout.name, parent);
        case ControlKind::ComboBox: {
            ComboBox& box = form.Add<ComboBox>(layout.name, parent);
            box.SetItems({layout.items.begin(), layout.items.end()});
            return box;
        }
        case ControlKind::SpinEdit: {
            SpinEdit& spin = form.Add<SpinEdit>(layout.name, parent);
            spin.SetRange(layout.minValue, layout.maxValue);
            return spin;
        }
        case ControlKind::CheckBox: {
            CheckBox& box = form.Add<CheckBox>(layout.name, parent);
            box.SetChecked(layout.checked);
            return box;
        }
        case ControlKind::Button: {
            Button& button = form.Add<Button>(layout.name, parent);
            button.SetModalResult(layout.modalResult);
            button.SetDefault(layout.isDefault);
            button.SetCancel(layout.isCancel);
            return button;
        }
        case ControlKind::Label: {
            Label& label = form.Add<Label>(layout.name, parent);
            label.SetWordWrap(layout.wordWrap);
            label.SetAutoSize(layout.autoSize);
            label.SetAlignment(layout.alignment);
            return label;
        }
        case ControlKind::GroupBox:
            return form.Add<GroupBox>(layout.name, parent);
        case ControlKind::Panel: {
            Panel& panel = form.Add<Panel>(layout.name, parent);
            panel.SetBevels(layout.bevelInner, layout.bevelOuter);
            return panel;
        }
        case ControlKind::Bevel: {
            Bevel& bevel = form.Add<Bevel>(layout.name, parent);
            bevel.SetAlignTop(layout.alignTop);
            return bevel;
        }
        case ControlKind::Image: {
            Image& image = form.Add<Image>(layout.name, parent);
            image.SetResourceId(layout.resourceId);
            image.SetStretch(layout.stretch);
            return image;
        }
        case ControlKind::PageControl: {
            PageControl& pages = form.Add<PageControl>(layout.name, parent);
            pages.SetMultiLine(layout.multiLine);
            return pages;
        }
        case ControlKind::TabSheet:
            return form.Add<TabSheet>(layout.name, parent);
        case ControlKind::Gauge:
            return form.Add<Gauge>(layout.name, parent);
        case ControlKind::Form:
            break;
    }
    throw std::logic_error("a form cannot hold the control " + layout.name);
}

}  // namespace

void BuildForm(Form& form, const FormLayout& layout, const FormHandlers& handlers) {
    form.SetText(layout.caption);
    form.SetClientSize(layout.clientWidth, layout.clientHeight);
    form.SetBorder(layout.border);
    form.SetBorderIcons(layout.minimizeBox, layout.maximizeBox);
    form.SetPosition(layout.position);
    form.SetFont(layout.font);

    // Settings first, events last, so that building fires no handler.
    std::vector<Control*> built;
    for (const ControlLayout& entry : layout.controls) {
        Control* parent = &form;
        if (!entry.parent.empty()) {
            parent = form.Find(entry.parent);
            if (parent == nullptr) {
                throw std::logic_error("form " + form.Name() + " has no parent " + entry.parent);
            }
        }
        Control& control = AddControl(form, entry, parent);
        control.SetBounds(entry.bounds);
        control.SetAnchors(entry.anchors);
        control.SetText(entry.text);
        control.SetHint(entry.hint, entry.showHint);
        control.SetEnabled(entry.enabled);
        control.SetVisible(entry.visible);
        control.SetTabOrder(entry.tabOrder);
        control.SetFont(entry.font);
        control.SetImeOff(entry.imeOff);
        control.SetCursor(entry.cursor);
        built.push_back(&control);
    }
    for (std::size_t i = 0; i < built.size(); ++i) {
        const ControlLayout& entry = layout.controls[i];
        built[i]->OnChange = Lookup(handlers.events, entry.onChange, form.Name());
        built[i]->OnClick = Lookup(handlers.events, entry.onClick, form.Name());
        if (!entry.onShow.empty()) {
            static_cast<TabSheet&>(*built[i]).OnShow =
                Lookup(handlers.events, entry.onShow, form.Name());
        }
    }

    if (!layout.menuName.empty()) {
        MainMenu& menu = form.SetMenu(std::make_unique<MainMenu>(layout.menuName));
        for (const MenuLayout& entry : layout.menu) {
            MenuItem* parent = entry.parent.empty() ? &menu : menu.Find(entry.parent);
            if (parent == nullptr) {
                throw std::logic_error("form " + form.Name() + " has no menu " + entry.parent);
            }
            MenuItem& item = parent->Add(entry.name, entry.caption);
            item.OnClick = Lookup(handlers.menuItems, entry.onClick, form.Name());
        }
    }

    form.OnShow = Lookup(handlers.events, layout.onShow, form.Name());
    form.OnClose = Lookup(handlers.close, layout.onClose, form.Name());
    form.OnCreate = Lookup(handlers.events, layout.onCreate, form.Name());
    if (form.OnCreate) {
        form.OnCreate(form);
    }
}

}  // namespace kelvaro
