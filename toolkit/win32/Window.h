// A window of a class of our own, and the one window procedure all of them share: it finds
// the object the window belongs to and hands it the message, nothing more. Each class says
// what it does with a message in its own OnMessage, one small function per message.
//
//     class PictureWindow : public Window {
//         LRESULT OnMessage(UINT message, WPARAM w, LPARAM l) override;
//     };
//     picture.Create(L"ZChartPicture", WS_CHILD | WS_VISIBLE, 0, parent, 0);
#pragma once

#include <windows.h>

namespace tkwin {

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }

  protected:
    // Registers the class on first use (a cursor of the arrow, the background given) and
    // creates the window, its messages coming to this object from WM_NCCREATE on.
    void Create(const wchar_t* className, HBRUSH background, DWORD style, DWORD exStyle,
                const wchar_t* title, const RECT& place, HWND parent, HMENU idOrMenu);

    // What the window does with a message; DefWindowProcW for the rest.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // Destroys the window without this object hearing of it: for a destructor, while the
    // members the window's messages would reach are still whole.
    void Destroy();
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

// The module the programs' windows belong to.
HINSTANCE Module();

} // namespace tkwin
