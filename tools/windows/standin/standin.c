// SPDX-License-Identifier: GPL-3.0-or-later
/* A stand-in for one of the three programs, to try the installers with before (or without) the
 * real programs: a Windows GUI program that shows a window titled with its name and waits until
 * it is closed. With the argument --exit it ends at once, so a test can start it to see that it
 * runs. STANDIN_NAME and STANDIN_STAMP are set when it is compiled; the stamp makes two builds
 * differ in their bytes, as an older and a newer release do. */
#include <windows.h>

#ifndef STANDIN_NAME
#define STANDIN_NAME "plugo"
#endif
#ifndef STANDIN_STAMP
#define STANDIN_STAMP "1"
#endif

static const char stamp[] = "plugo stand-in " STANDIN_NAME " build " STANDIN_STAMP;

static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM w, LPARAM l)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, w, l);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show)
{
    (void)previous;
    if (lstrcmpA(command_line, "--exit") == 0)
        return stamp[0] == 'p' ? 0 : 1;
    WNDCLASSA window_class = {0};
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    window_class.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    window_class.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    window_class.lpszClassName = "PlugoStandIn";
    RegisterClassA(&window_class);
    HWND window = CreateWindowA("PlugoStandIn", stamp, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                320, 120, NULL, NULL, instance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
