#include "main_window/startup.h"

#include <exception>

#include "main_window/uMain.h"
#include "options/uOption.h"
#include "transfer/uOpe.h"

namespace kelvaro {

void CreateProgramForms(Application& application) {
    application.CreateForm(MainForm);
    application.CreateForm(Form_Option);
    application.CreateForm(Form_Ope);
}

void ForgetProgramForms() {
    MainForm = nullptr;
    Form_Option = nullptr;
    Form_Ope = nullptr;
}

int RunKelvaro(Backend& backend) {
    {
        Application application(backend);
        try {
            application.Initialize();
            application.SetHelpFile("");
            application.SetTitle("Kelvaro");
            CreateProgramForms(application);
            application.Run();
        } catch (const std::exception& error) {
            application.ShowException(error);
        }
    }
    ForgetProgramForms();
    return 0;
}

}  // namespace kelvaro
