// SPDX-License-Identifier: MIT

#pragma once

#include "basExampleFunctions.h"
#include "frmPallixExampleView.h"

#include <cstdint>
#include <string>

// The program's one window as behaviour: what each event does, the web
// link's looks and the pointer, and how an error no handler traps is
// reported. Written once for every front end, which forwards its events here
// and carries out what the window asks through frmPallixExampleView.
class frmPallixExample {
public:
    using ControlId = frmPallixExampleLayout::ControlId;

    // The program's exit status after an error that no handler traps.
    static constexpr int kUntrappedErrorStatus = 1;

    // The window owns its adapter; a test hands it one on a driver of its own.
    explicit frmPallixExample(frmPallixExampleView& view, basExampleFunctions adapter = basExampleFunctions());

    // The events a front end forwards. Each runs the handler bound to it, if
    // any, so that no error leaves it.
    void Load();
    void Click(ControlId control);
    // A mouse move over `control`, or over the window's own surface
    // (ControlId::Window).
    void MouseMove(ControlId control);

    // The link's look: underlined with the hand pointer while the mouse is
    // over it; the same colour either way.
    void UpdateWebLink(bool bOver);

    basExampleFunctions& Adapter() noexcept { return adapter_; }

    std::uint32_t lLinkColor = 0;  // the web link's text colour, 0x00BBGGRR
    std::string sBrowserPath;      // the program that opens the maker's web site

private:
    template <typename Handler>
    void Run(Handler handler) noexcept;

    void Form_Load();
    void cmdReadTemp_Click();
    void cmdClose_Click();
    void lblUrl_Click();
    void lblUrl_MouseMove();
    void Form_MouseMove();

    frmPallixExampleView& view_;
    basExampleFunctions adapter_;
};
