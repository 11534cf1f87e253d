// The program's entry point on Windows: makes the Win32 backend and runs Kelvaro on it.
#include <exception>

#include "main_window/startup.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_api.h"
// after windows.h
#include <objbase.h>
#include "platform/win32/win32_backend.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The shell's folder browser runs on COM, in this thread's apartment.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    struct ComScope {
        bool initialised;
        ~ComScope() {
            if (initialised) {
                CoUninitialize();
            }
        }
    } scope{SUCCEEDED(com)};
    try {
        kelvaro::Win32Backend backend(instance);
        return kelvaro::RunKelvaro(backend);
    } catch (const std::exception& error) {
        // Only what escapes the application object itself lands here.
        MessageBoxW(nullptr, kelvaro::Widen(error.what()).c_str(), L"Kelvaro",
                    MB_OK | MB_ICONERROR | MB_TASKMODAL);
        return 1;
    }
}
