// The one-use dialogs: the new-folder dialog and the About box. Positions are at 96 DPI.
#include "about/Htlabel.h"
#include "forms/form_layouts.h"
#include "forms/resource_ids.h"

namespace kelvaro {

namespace {

FormLayout BuildNewDirFormLayout() {
    return FormLayout{
        .name = "OKBottomDlg",
        .caption = "新規フォルダ作成",
        .clientWidth = 279,
        .clientHeight = 91,
        .border = BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .position = FormPosition::ScreenCenter,
        .onCreate = "FormCreate",
        .controls =
            {
                {.kind = ControlKind::Button,
                 .name = "OKBtn",
                 .bounds = {119, 60, 75, 25},
                 .text = "OK",
                 .tabOrder = 1,
                 .modalResult = mrOk,
                 .isDefault = true,
                 .onClick = "OKBtnClick"},
                {.kind = ControlKind::Button,
                 .name = "CancelBtn",
                 .bounds = {199, 60, 75, 25},
                 .text = "キャンセル",
                 .tabOrder = 2,
                 .modalResult = mrCancel,
                 .isCancel = true},
                {.kind = ControlKind::Label, .name = "Label_NowDir", .bounds = {8, 8, 263, 12}},
                {.kind = ControlKind::Edit,
                 .name = "Edit_NewDir",
                 .bounds = {24, 32, 241, 20},
                 .tabOrder = 0},
            },
    };
}

Control& MakeLinkLabel(Form& form, const std::string& name, Control* parent) {
    return form.Add<THTLabel>(name, parent);
}

FormLayout BuildAboutFormLayout() {
    const Font linkFont{.height = 12, .color = 0x00FF0000, .underline = true};
    return FormLayout{
        .name = "AboutBox",
        .caption = "バージョン情報",
        .clientWidth = 369,
        .clientHeight = 263,
        .border = BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .position = FormPosition::ScreenCenter,
        .font = FormFont(),
        .controls =
            {
                {.kind = ControlKind::Panel,
                 .name = "Panel1",
                 .bounds = {8, 8, 353, 209},
                 .bevelInner = BevelCut::Raised,
                 .bevelOuter = BevelCut::Lowered},
                {.kind = ControlKind::Image,
                 .name = "ProgramIcon",
                 .parent = "Panel1",
                 .bounds = {8, 8, 64, 64},
                 .resourceId = KELVARO_BITMAP_ABOUT,
                 .stretch = true},
                {.kind = ControlKind::Label,
                 .name = "ProductName",
                 .parent = "Panel1",
                 .bounds = {88, 16, 120, 27},
                 .text = "Kelvaro",
                 .font = {.height = 27, .color = 0x00FF0000, .bold = true}},
                {.kind = ControlKind::Label,
                 .name = "Version",
                 .parent = "Panel1",
                 .bounds = {88, 45, 90, 12},
                 .text = "Version 1.1.1"},
                {.kind = ControlKind::Label,
                 .name = "Copyright",
                 .parent = "Panel1",
                 .bounds = {184, 192, 162, 12},
                 .text = "© 2026 Kelvaro Project",
                 .autoSize = false,
                 .alignment = TextAlign::Right},
                {.kind = ControlKind::Label,
                 .name = "Support",
                 .parent = "Panel1",
                 .bounds = {8, 88, 80, 12},
                 .text = "Support Page : "},
                {.kind = ControlKind::Label,
                 .name = "HTLabel1",
                 .parent = "Panel1",
                 .bounds = {40, 104, 200, 12},
                 .text = "http://www.example.com/kelvaro/",
                 .font = linkFont,
                 .cursor = Cursor::HandPoint,
                 .create = MakeLinkLabel},
                {.kind = ControlKind::Label,
                 .name = "mail",
                 .parent = "Panel1",
                 .bounds = {8, 136, 50, 12},
                 .text = "E-Mail :"},
                {.kind = ControlKind::Label,
                 .name = "HTLabel2",
                 .parent = "Panel1",
                 .bounds = {40, 152, 140, 12},
                 .text = "support@example.com",
                 .font = linkFont,
                 .cursor = Cursor::HandPoint,
                 .create = MakeLinkLabel},
                {.kind = ControlKind::Button,
                 .name = "OKButton",
                 .bounds = {151, 228, 75, 25},
                 .text = "OK",
                 .tabOrder = 0,
                 .modalResult = mrOk,
                 .isDefault = true},
            },
    };
}

}  // namespace

const FormLayout& NewDirFormLayout() {
    static const FormLayout layout = BuildNewDirFormLayout();
    return layout;
}

const FormLayout& AboutFormLayout() {
    static const FormLayout layout = BuildAboutFormLayout();
    return layout;
}

}  // namespace kelvaro
