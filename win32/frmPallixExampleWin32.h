// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExample.h"
#include "frmPallixExampleControls.h"
#include "frmPallixExampleView.h"

#include <array>
#include <optional>
#include <vector>
#include <windows.h>

// The program's one window as a Win32 window: a passive view of
// frmPallixExample. It builds its controls from the layout, hands every
// event to the window's behaviour and carries out what that asks.
class frmPallixExampleWin32 final : public frmPallixExampleView {
public:
    // Creates the window, hidden, with every control; it reads through
    // `adapter`.
    explicit frmPallixExampleWin32(basExampleFunctions adapter = basExampleFunctions());
    ~frmPallixExampleWin32() override;
    frmPallixExampleWin32(const frmPallixExampleWin32&) = delete;
    frmPallixExampleWin32& operator=(const frmPallixExampleWin32&) = delete;

    // The window of ours that `window` is, if any.
    static frmPallixExampleWin32* From(HWND window);

    HWND Window() const noexcept { return window_; }
    // The child window of a control; null for lines and images.
    HWND Control(ControlId id) const { return elements_.at(frmPallixExampleLayout::Index(id)).window; }
    // Where a control stands, in client pixels (a line: its end points).
    const RECT& Place(ControlId id) const { return elements_.at(frmPallixExampleLayout::Index(id)).rect; }
    ControlId ControlAt(POINT client) const;
    frmPallixExample& Form() noexcept { return form_; }

    // The click of `control` once the current message has been handled.
    void ClickLater(ControlId control);

    // Dispatches the messages of the thread, the dialog keys (Tab, access
    // keys) among them, until the program ends; returns its exit status.
    int RunMessageLoop();

    std::string Text(ControlId control) const override;
    void SetText(ControlId control, const std::string& text) override;
    void SetTextColour(ControlId control, std::uint32_t colour) override;
    void SetUnderline(ControlId control, bool underlined) override;
    void SetCaption(const std::string& caption) override;
    void SetPointer(Pointer pointer) override;
    void StartProgram(const std::string& program, const std::string& argument) override;
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    void Close() override;
    void EndProgram(int status) override;
    std::string DecimalSeparator() const override;
    std::string ApplicationTitle() const override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    void OnCommand(WPARAM wParam);
    void OnPaint();
    bool OnSetCursor(int hitTest);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OnActivate(WPARAM wParam);
    void OnLinkMouse(HWND link, UINT message, LPARAM lParam);
    bool ShowsWindowPointer(POINT client) const;
    void ApplyPointer();

    frmPallixExample form_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HFONT underlinedFont_ = nullptr;
    frmPallixExampleControls::Pictures pictures_;
    std::vector<frmPallixExampleControls::Element> elements_;
    std::array<std::optional<COLORREF>, frmPallixExampleLayout::kControlCount> textColours_{};
    HWND focus_ = nullptr;  // the control that had the focus when the window was last left
    Pointer pointer_ = Pointer::Default;
    HWND pressed_ = nullptr;  // the link the left button went down on
    bool closing_ = false;    // destroyed by its owner, not closed by the user
};
