// The main window: two pages, "From" and "To", that describe the two sides of a series, the
// start button, two preview boxes, and the menu bar. Positions are at 96 DPI.
#include <string>

#include "forms/form_layouts.h"

namespace kelvaro {

namespace {

// What tells the two pages apart; everything else of them is the same.
struct PaneNames {
    std::string side;  // "From" or "To"
    std::string sheet;
    std::string labels[6];  // base folder, file name, start, end, maximum, depth
    std::string folderClick;
    std::string change;
    bool isTo;
};

void AddPane(std::vector<ControlLayout>& controls, const PaneNames& pane) {
    const std::string& side = pane.side;
    const std::string numbers = "GroupBox_" + side + "Number";
    const int shift = pane.isTo ? 1 : 0;  // the To page has the new-folder button after its "…"
    const bool locked = pane.isTo;        // the To name and range follow the From pane at start

    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[0],
                        .parent = pane.sheet,
                        .bounds = {16, 8, 60, 12},
                        .text = "基本フォルダ"});
    controls.push_back({.kind = ControlKind::Edit,
                        .name = "Edit_" + side + "Dir",
                        .parent = pane.sheet,
                        .bounds = {40, 26, 321, 20},
                        .anchors = kAnchorsStretch,
                        .tabOrder = 0,
                        .onChange = pane.change});
    controls.push_back({.kind = ControlKind::Button,
                        .name = "Button_" + side + "Dir",
                        .parent = pane.sheet,
                        .bounds = {339, 28, 20, 17},
                        .anchors = kAnchorsRight,
                        .text = "…",
                        .hint = "ﾌｫﾙﾀﾞを参照します",
                        .showHint = true,
                        .tabOrder = 1,
                        .onClick = pane.folderClick});
    if (pane.isTo) {
        controls.push_back({.kind = ControlKind::Button,
                            .name = "Button_ToNew",
                            .parent = pane.sheet,
                            .bounds = {288, 50, 73, 20},
                            .anchors = kAnchorsRight,
                            .text = "新規",
                            .tabOrder = 2,
                            .onClick = "Button_ToNewClick"});
    }
    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[1],
                        .parent = pane.sheet,
                        .bounds = {16, 64, 48, 12},
                        .text = "ファイル名"});
    controls.push_back({.kind = ControlKind::Edit,
                        .name = "Edit_" + side + "File",
                        .parent = pane.sheet,
                        .bounds = {40, 82, 321, 20},
                        .anchors = kAnchorsStretch,
                        .text = "*.html",
                        .hint = "数値が入る部分は、\"?\"または\"*\"で入力します。",
                        .showHint = !pane.isTo,
                        .enabled = !locked,
                        .tabOrder = 2 + shift,
                        .onChange = pane.change});
    controls.push_back({.kind = ControlKind::Button,
                        .name = "Button_" + side + "File",
                        .parent = pane.sheet,
                        .bounds = {339, 84, 20, 17},
                        .anchors = kAnchorsRight,
                        .text = "…",
                        .visible = false,
                        .tabOrder = 3 + shift});
    controls.push_back({.kind = ControlKind::GroupBox,
                        .name = numbers,
                        .parent = pane.sheet,
                        .bounds = {8, 120, 193, 89},
                        .text = "数値部分",
                        .tabOrder = 4 + shift});
    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[2],
                        .parent = numbers,
                        .bounds = {32, 24, 24, 12},
                        .text = "始点"});
    controls.push_back({.kind = ControlKind::Edit,
                        .name = "Edit_" + side + "Start",
                        .parent = numbers,
                        .bounds = {80, 20, 89, 20},
                        .text = "0",
                        .enabled = !locked,
                        .tabOrder = 0,
                        .imeOff = true,
                        .onChange = pane.change});
    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[3],
                        .parent = numbers,
                        .bounds = {32, 56, 24, 12},
                        .text = "終点"});
    controls.push_back({.kind = ControlKind::Edit,
                        .name = "Edit_" + side + "End",
                        .parent = numbers,
                        .bounds = {80, 52, 89, 20},
                        .text = "100",
                        .enabled = !locked,
                        .tabOrder = 1,
                        .imeOff = true,
                        .onChange = pane.change});
    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[4],
                        .parent = pane.sheet,
                        .bounds = {216, 120, 144, 12},
                        .text = "各フォルダの最大ファイル数"});
    controls.push_back({.kind = ControlKind::ComboBox,
                        .name = "ComboBox_" + side + "Max",
                        .parent = pane.sheet,
                        .bounds = {256, 136, 105, 20},
                        .text = "無制限",
                        .hint = "「無制限」に設定すると、階層化されません。",
                        .showHint = true,
                        .tabOrder = 5 + shift,
                        .imeOff = true,
                        .items = {"10", "50", "100", "256", "500", "1000", "2000", "5000", "10000",
                                  "32767", "無制限"},
                        .onChange = pane.change});
    controls.push_back({.kind = ControlKind::Label,
                        .name = pane.labels[5],
                        .parent = pane.sheet,
                        .bounds = {216, 168, 60, 12},
                        .text = "階層の深さ"});
    controls.push_back({.kind = ControlKind::SpinEdit,
                        .name = "CSpinEdit_" + side + "Depth",
                        .parent = pane.sheet,
                        .bounds = {256, 184, 49, 21},
                        .text = "0",
                        .hint = "他の部分に設定した数値などにより、設定できる範囲が制限されます。",
                        .showHint = true,
                        .enabled = false,
                        .tabOrder = 6 + shift,
                        .minValue = 0,
                        .maxValue = 127,
                        .onChange = pane.change});
}

// Inside a preview box: "始点:" and "終点:" with the first and last path of the side's series.
void AddPreview(std::vector<ControlLayout>& controls, const std::string& box,
                const std::string& startLabel, const std::string& endLabel,
                const std::string& side) {
    controls.push_back({.kind = ControlKind::Label,
                        .name = startLabel,
                        .parent = box,
                        .bounds = {24, 16, 30, 12},
                        .text = "始点:"});
    controls.push_back({.kind = ControlKind::Label,
                        .name = endLabel,
                        .parent = box,
                        .bounds = {24, 32, 30, 12},
                        .text = "終点:"});
    controls.push_back({.kind = ControlKind::Label,
                        .name = "Label_PreStart" + side,
                        .parent = box,
                        .bounds = {64, 16, 417, 12},
                        .anchors = kAnchorsStretch,
                        .autoSize = false});
    controls.push_back({.kind = ControlKind::Label,
                        .name = "Label_PreEnd" + side,
                        .parent = box,
                        .bounds = {64, 32, 417, 12},
                        .anchors = kAnchorsStretch,
                        .autoSize = false});
}

FormLayout BuildMainFormLayout() {
    FormLayout layout{
        .name = "MainForm",
        .caption = "Kelvaro",
        .clientWidth = 502,
        .clientHeight = 361,
        .border = BorderStyle::Sizeable,
        .position = FormPosition::Default,
        .font = FormFont(),
        .onClose = "FormClose",
        .menuName = "MainMenu1",
        .menu =
            {
                {.name = "File1", .caption = "ファイル(&F)"},
                {.name = "Exit1",
                 .caption = "終了(&X)",
                 .parent = "File1",
                 .onClick = "Exit1Click"},
                {.name = "S1", .caption = "設定(&S)"},
                {.name = "O1",
                 .caption = "オプション設定(&O)...",
                 .parent = "S1",
                 .onClick = "O1Click"},
                {.name = "Help1", .caption = "ヘルプ(&H)"},
                {.name = "HTMLH1",
                 .caption = "HTMLヘルプ(&H)",
                 .parent = "Help1",
                 .onClick = "HTMLH1Click"},
                {.name = "About1",
                 .caption = "バージョン情報(&A)...",
                 .parent = "Help1",
                 .onClick = "About1Click"},
            },
    };
    std::vector<ControlLayout>& controls = layout.controls;
    controls.push_back({.kind = ControlKind::Bevel,
                        .name = "Bevel1",
                        .bounds = {0, 0, 502, 2},
                        .anchors = kAnchorsStretch,
                        .alignTop = true});
    controls.push_back({.kind = ControlKind::PageControl,
                        .name = "PageControl1",
                        .bounds = {8, 8, 377, 244},
                        .anchors = kAnchorsStretch,
                        .tabOrder = 0,
                        .multiLine = true});
    controls.push_back({.kind = ControlKind::TabSheet,
                        .name = "TabSheet1",
                        .parent = "PageControl1",
                        .bounds = {4, 23, 369, 217},
                        .anchors = kAnchorsStretch,
                        .text = "From",
                        .onShow = "TabSheet1Show"});
    controls.push_back({.kind = ControlKind::TabSheet,
                        .name = "TabSheet2",
                        .parent = "PageControl1",
                        .bounds = {4, 23, 369, 217},
                        .anchors = kAnchorsStretch,
                        .text = "To"});
    controls.push_back({.kind = ControlKind::Button,
                        .name = "Button_Start",
                        .bounds = {392, 8, 105, 244},
                        .anchors = kAnchorsRight,
                        .text = "移動開始(&S)",
                        .tabOrder = 1,
                        .font = {.name = "MS UI Gothic", .height = 12},
                        .onClick = "Button_StartClick"});
    controls.push_back({.kind = ControlKind::GroupBox,
                        .name = "GroupBox_PreFrom",
                        .bounds = {8, 256, 489, 49},
                        .anchors = kAnchorsStretch,
                        .text = "From（移動元）のファイル",
                        .tabOrder = 2});
    controls.push_back({.kind = ControlKind::GroupBox,
                        .name = "GroupBox_PreTo",
                        .bounds = {8, 309, 489, 49},
                        .anchors = kAnchorsStretch,
                        .text = "To（移動先）のファイル",
                        .enabled = false,
                        .tabOrder = 3});

    AddPane(controls, {.side = "From",
                       .sheet = "TabSheet1",
                       .labels = {"Label1", "Label3", "Label4", "Label5", "Label6", "Label7"},
                       .folderClick = "Button_FolderClick",
                       .change = "FromChange",
                       .isTo = false});
    AddPane(controls, {.side = "To",
                       .sheet = "TabSheet2",
                       .labels = {"Label2", "Label8", "Label9", "Label10", "Label11", "Label12"},
                       .folderClick = "Button_ToDirClick",
                       .change = "ToChange",
                       .isTo = true});
    AddPreview(controls, "GroupBox_PreFrom", "Label13", "Label14", "From");
    AddPreview(controls, "GroupBox_PreTo", "Label15", "Label16", "To");
    return layout;
}

}  // namespace

const FormLayout& MainFormLayout() {
    static const FormLayout layout = BuildMainFormLayout();
    return layout;
}

}  // namespace kelvaro
