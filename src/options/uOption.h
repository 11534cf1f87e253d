// The options dialog: four check boxes that are the only store of the run options.
#pragma once

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

class TForm_Option : public Form {
  public:
    explicit TForm_Option(Application& owner);

    Button* Button_OK;
    Button* Button_Cancel;
    Panel* Panel1;
    CheckBox* CheckBox_CopyMode;  // copy instead of move
    CheckBox* CheckBox_Caution;   // warn about a missing From file
    CheckBox* CheckBox_Pack;      // the To numbers close up over missing From files
    CheckBox* CheckBox_Sync;      // the To file name and range follow the From pane

    void Button_OKClick(Control& sender);
    void FormShow(Control& sender);
    void Button_CancelClick(Control& sender);
    void CheckBox_SyncClick(Control& sender);

  private:
    // The boxes as they were when the dialog was last shown, for Cancel.
    struct Snapshot {
        bool copyMode = false;
        bool caution = false;
        bool sync = false;
        bool pack = false;
    };
    Snapshot shown_;
};

// The options dialog, created at start-up after the main window.
extern TForm_Option* Form_Option;

}  // namespace kelvaro
