// The options dialog: four check boxes on a panel, OK and Cancel. Positions are at 96 DPI.
#include "forms/form_layouts.h"

namespace kelvaro {

namespace {

FormLayout BuildOptionFormLayout() {
    return FormLayout{
        .name = "Form_Option",
        .caption = "オプション",
        .clientWidth = 404,
        .clientHeight = 176,
        .border = BorderStyle::Dialog,
        .minimizeBox = false,
        .maximizeBox = false,
        .position = FormPosition::ScreenCenter,
        .font = FormFont(),
        .onShow = "FormShow",
        .controls =
            {
                {.kind = ControlKind::Button,
                 .name = "Button_OK",
                 .bounds = {224, 144, 75, 25},
                 .text = "OK",
                 .tabOrder = 0,
                 .modalResult = mrOk,
                 .onClick = "Button_OKClick"},
                {.kind = ControlKind::Button,
                 .name = "Button_Cancel",
                 .bounds = {312, 144, 75, 25},
                 .text = "キャンセル",
                 .tabOrder = 1,
                 .modalResult = mrCancel,
                 .onClick = "Button_CancelClick"},
                {.kind = ControlKind::Panel,
                 .name = "Panel1",
                 .bounds = {9, 8, 385, 129},
                 .tabOrder = 2,
                 .bevelInner = BevelCut::Raised,
                 .bevelOuter = BevelCut::Lowered},
                {.kind = ControlKind::CheckBox,
                 .name = "CheckBox_CopyMode",
                 .parent = "Panel1",
                 .bounds = {16, 16, 249, 17},
                 .text = "ファイルを元の場所にも残す（コピーモード）",
                 .tabOrder = 0},
                {.kind = ControlKind::CheckBox,
                 .name = "CheckBox_Caution",
                 .parent = "Panel1",
                 .bounds = {16, 40, 297, 17},
                 .text = "Fromのファイルが存在しない時、警告を表示する",
                 .tabOrder = 1},
                {.kind = ControlKind::CheckBox,
                 .name = "CheckBox_Pack",
                 .parent = "Panel1",
                 .bounds = {16, 64, 329, 17},
                 .text = "Fromのファイルが存在しない時、Toファイルの数値をつめる",
                 .tabOrder = 3},
                {.kind = ControlKind::CheckBox,
                 .name = "CheckBox_Sync",
                 .parent = "Panel1",
                 .bounds = {16, 88, 361, 17},
                 .text = "From と To で、ファイル名･数値の範囲を同じにする",
                 .tabOrder = 2,
                 .checked = true,
                 .onClick = "CheckBox_SyncClick"},
            },
    };
}

}  // namespace

const FormLayout& OptionFormLayout() {
    static const FormLayout layout = BuildOptionFormLayout();
    return layout;
}

}  // namespace kelvaro
