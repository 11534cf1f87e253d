// Start-up: the application object, the program's forms and its message loop.
#pragma once

#include "platform/application.h"
#include "platform/backend.h"

namespace kelvaro {

// Creates the forms that live as long as the program, in their order, owned by the application.
void CreateProgramForms(Application& application);
// Forgets the form instances, once the application that owned them is gone.
void ForgetProgramForms();

// The whole program on a backend: title, forms, message loop. Returns the exit code, 0.
int RunKelvaro(Backend& backend);

}  // namespace kelvaro
