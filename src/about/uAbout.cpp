#include "about/uAbout.h"

#include "forms/form_layouts.h"
#include "platform/layout.h"

namespace kelvaro {

TAboutBox::TAboutBox(Application& owner) : Form(owner, "AboutBox") {
    BuildForm(*this, AboutFormLayout(), FormHandlers{});
    Panel1 = &Get<Panel>("Panel1");
    ProgramIcon = &Get<Image>("ProgramIcon");
    ProductName = &Get<Label>("ProductName");
    Version = &Get<Label>("Version");
    Copyright = &Get<Label>("Copyright");
    Support = &Get<Label>("Support");
    HTLabel1 = &Get<THTLabel>("HTLabel1");
    mail = &Get<Label>("mail");
    HTLabel2 = &Get<THTLabel>("HTLabel2");
    OKButton = &Get<Button>("OKButton");
    // From the first paint on, the links follow their own colour rules.
    HTLabel1->Paint();
    HTLabel2->Paint();
}

}  // namespace kelvaro
