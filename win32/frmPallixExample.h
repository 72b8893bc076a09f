#pragma once

#include "basExampleFunctions.h"
#include "frmPallixExampleControls.h"

#include <string>
#include <vector>
#include <windows.h>

// The program's one window: the read command, the temperature and status
// boxes, the wiring diagram and the maker's web link, as a Win32 window.
class frmPallixExample {
public:
    // Creates the window, hidden, with every control; it reads through its
    // own adapter, on `driver`.
    explicit frmPallixExample(Pallix400 driver = Pallix400());
    ~frmPallixExample();
    frmPallixExample(const frmPallixExample&) = delete;
    frmPallixExample& operator=(const frmPallixExample&) = delete;

    HWND Window() const noexcept { return window_; }
    basExampleFunctions& Adapter() noexcept { return adapter_; }
    // The child window of the named control; null for lines and images.
    HWND Control(const char* name) const;

    // The start-up settings, run once before the window is first shown.
    void Form_Load();

    // The link's look: underlined, with the hand pointer over the window's
    // surface, while the mouse is over it; the same colour either way.
    void UpdateWebLink(bool bOver);

    COLORREF lLinkColor = 0;    // the web link's text colour
    std::wstring sBrowserPath;  // the program that opens the maker's web site

    // The pointer style the window shows: 0 the default arrow, 99 the hand.
    int MousePointer() const noexcept { return mousePointer_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK LinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK StatusBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs a handler behind the event boundary.
    void Handle(void (frmPallixExample::*handler)());

    void OnCommand(WPARAM wParam);
    void OnPaint(HDC dc);
    bool OnSetCursor(HWND under, int hitTest);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool IsOwnSurface(POINT point) const;
    bool ShowsWindowPointer(HWND under, POINT point) const;
    void ApplyPointer();
    void SetLinkColour();

    void cmdReadTemp_Click();
    void cmdClose_Click();
    void lblUrl_Click();
    void lblUrl_MouseMove();
    void Form_MouseMove();

    basExampleFunctions adapter_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HFONT underlinedFont_ = nullptr;
    frmPallixExampleControls::Pictures pictures_;
    std::vector<frmPallixExampleControls::Element> elements_;
    HWND focus_ = nullptr;  // the control that had the focus when the window was last left
    int mousePointer_ = 0;
    bool linkPressed_ = false;
    bool closing_ = false;  // destroyed by its owner, not closed by the user
};
