// The progress window of a run: the paths of the number being handled, a gauge over the From
// range, and the stop button. Positions are at 96 DPI.
#include "forms/form_layouts.h"

namespace kelvaro {

namespace {

FormLayout BuildOpeFormLayout() {
    return FormLayout{
        .name = "Form_Ope",
        .caption = "ファイルの移動中",
        .clientWidth = 407,
        .clientHeight = 162,
        .border = BorderStyle::Single,
        .minimizeBox = true,
        .maximizeBox = false,
        .position = FormPosition::ScreenCenter,
        .font = FormFont(),
        .onShow = "FormShow",
        .onClose = "FormClose",
        .controls =
            {
                {.kind = ControlKind::Label,
                 .name = "Label1",
                 .bounds = {16, 16, 32, 12},
                 .text = "From :"},
                {.kind = ControlKind::Label,
                 .name = "Label_From",
                 .bounds = {40, 32, 361, 12},
                 .wordWrap = true,
                 .autoSize = false},
                {.kind = ControlKind::Label,
                 .name = "Label3",
                 .bounds = {16, 56, 19, 12},
                 .text = "To :"},
                {.kind = ControlKind::Label,
                 .name = "Label_To",
                 .bounds = {40, 72, 361, 12},
                 .wordWrap = true,
                 .autoSize = false},
                {.kind = ControlKind::Gauge, .name = "CGauge1", .bounds = {8, 96, 393, 25}},
                {.kind = ControlKind::Button,
                 .name = "Button_Stop",
                 .bounds = {168, 128, 75, 25},
                 .text = "強制終了",
                 .tabOrder = 0,
                 .onClick = "Button_StopClick"},
            },
    };
}

}  // namespace

const FormLayout& OpeFormLayout() {
    static const FormLayout layout = BuildOpeFormLayout();
    return layout;
}

}  // namespace kelvaro
