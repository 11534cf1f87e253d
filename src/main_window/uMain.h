// The main window: the From and To panes with their live preview, the start button, the menus.
#pragma once

#include <cstdint>
#include <string>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

class TMainForm : public Form {
  public:
    explicit TMainForm(Application& owner);

    Bevel* Bevel1;
    PageControl* PageControl1;
    TabSheet* TabSheet1;
    TabSheet* TabSheet2;
    Button* Button_Start;
    GroupBox* GroupBox_PreFrom;
    GroupBox* GroupBox_PreTo;
    Label* Label_PreStartFrom;
    Label* Label_PreEndFrom;
    Label* Label_PreStartTo;
    Label* Label_PreEndTo;
    Edit* Edit_FromDir;
    Edit* Edit_ToDir;
    Button* Button_FromDir;
    Button* Button_ToDir;
    Button* Button_ToNew;
    Edit* Edit_FromFile;
    Edit* Edit_ToFile;
    Button* Button_FromFile;
    Button* Button_ToFile;
    Edit* Edit_FromStart;
    Edit* Edit_ToStart;
    Edit* Edit_FromEnd;
    Edit* Edit_ToEnd;
    ComboBox* ComboBox_FromMax;
    ComboBox* ComboBox_ToMax;
    SpinEdit* CSpinEdit_FromDepth;
    SpinEdit* CSpinEdit_ToDepth;

    // 0 no error; 1 a number that does not convert, or a start above its end; -1 another
    // failure during a conversion. Cleared by the change handlers and the start command.
    int ErrorFlag = 0;

    // Each edit of a pane recomputes that pane: checks, maximum and depth, the two previews.
    void FromChange(Control& sender);
    void ToChange(Control& sender);
    // Tries to convert the four number fields; the first failure is reported and sets ErrorFlag.
    void CheckFileInt();
    // Each side's start must not lie above its end; the first side that fails is reported.
    void CheckFileValue();

    void Button_StartClick(Control& sender);
    void Exit1Click(MenuItem& sender);
    void HTMLH1Click(MenuItem& sender);
    void O1Click(MenuItem& sender);
    void About1Click(MenuItem& sender);
    void FormClose(Control& sender, CloseAction& action);
    void TabSheet1Show(Control& sender);
    void Button_FolderClick(Control& sender);
    void Button_ToDirClick(Control& sender);
    void Button_ToNewClick(Control& sender);

  private:
    // The controls of one side, for the handler that both panes share.
    struct Pane {
        Edit* dir;
        Edit* file;
        Edit* start;
        Edit* end;
        ComboBox* max;
        SpinEdit* depth;
        Label* preStart;
        Label* preEnd;
    };
    enum class Side { From, To };

    void PaneChange(Side side);
    void ShowMessage(const std::string& text, const std::string& caption);
    Pane PaneOf(Side side) const;
};

// The program's main window, created first at start-up.
extern TMainForm* MainForm;

}  // namespace kelvaro
