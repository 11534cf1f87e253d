// The About box: the program's picture, name and version, the rights notice and two links.
#pragma once

#include "about/Htlabel.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace kelvaro {

class TAboutBox : public Form {
  public:
    explicit TAboutBox(Application& owner);

    Panel* Panel1;
    Image* ProgramIcon;
    Label* ProductName;
    Label* Version;
    Label* Copyright;
    Label* Support;
    THTLabel* HTLabel1;  // the support web page
    Label* mail;
    THTLabel* HTLabel2;  // the support e-mail address
    Button* OKButton;
};

}  // namespace kelvaro
