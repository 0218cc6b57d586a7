// The program starts through its splash window, which hands over to the main window.
#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <memory>

#include "app/win32/AuxiliaryWindows.h"
#include "app/win32/frmSplash.h"
#include "editor/win32/MainWindow.h"
#include "editor/win32/MessageLoop.h"
#include "editor/win32/Win32UserInteraction.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // A single-threaded apartment with OLE: the tutorial window hosts the browser control.
    const HRESULT ole = OleInitialize(nullptr);

    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    int exitCode = 0;
    {
        // The About dialog's "System Information Is Unavailable" box, owned by the dialog.
        vantrel::win32::Win32UserInteraction auxiliaryUi;
        vantrel::win32::AuxiliaryWindows auxiliaryWindows(auxiliaryUi);
        auxiliaryWindows.onWindowOpened = [&](HWND window) {
            vantrel::win32::RegisterModelessWindow(window);
            if (auxiliaryWindows.about() && auxiliaryWindows.about()->hwnd() == window) auxiliaryUi.setOwner(window);
        };
        // Exit ends the program at once; closing the main window with its close control ends it
        // when the last of its windows is gone.
        std::unique_ptr<vantrel::win32::MainWindow> mainWindow;
        bool mainWindowClosed = false;
        const auto endWhenNoWindowIsLeft = [&] {
            if (mainWindowClosed && !auxiliaryWindows.about() && !auxiliaryWindows.onlineTutorial()) PostQuitMessage(0);
        };
        auxiliaryWindows.onWindowClosed = [&](HWND window) {
            vantrel::win32::UnregisterModelessWindow(window);
            if (auxiliaryUi.owner() == window) auxiliaryUi.setOwner(nullptr);
            endWhenNoWindowIsLeft();
        };

        vantrel::win32::frmSplash splash([&] {
            mainWindow = std::make_unique<vantrel::win32::MainWindow>();
            mainWindow->onAbout = [&] { auxiliaryWindows.ShowAbout(); };
            mainWindow->onOnlineTutorial = [&] { auxiliaryWindows.ShowOnlineTutorial(); };
            mainWindow->setCloseWindow([&] {
                mainWindowClosed = true;
                // The delete dialog belongs to the document, which goes with the main window: it
                // is hidden and, as on Exit, deletes nothing.
                if (vantrel::win32::frmDelete* dialog = mainWindow->deleteDialog()) ShowWindow(dialog->hwnd(), SW_HIDE);
                ShowWindow(mainWindow->hwnd(), SW_HIDE);
                endWhenNoWindowIsLeft();
            });
            mainWindow->show();
            SetForegroundWindow(mainWindow->hwnd());
        });

        // Until the splash hands over there is no main window for the program's own loop.
        MSG message;
        while (!mainWindow) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0 || got == -1) break;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (mainWindow) exitCode = vantrel::win32::RunMessageLoop(*mainWindow);
    }

    if (SUCCEEDED(ole)) OleUninitialize();
    return exitCode;
}
