// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleLayout.h"

#include <cstdint>
#include <string>

// What the window's behaviour asks of a front end, in the window's own terms.
// A front end builds its controls from the layout, forwards their events to
// frmPallixExample and carries out these calls; it decides nothing itself.
// Texts are UTF-8.
class frmPallixExampleView {
public:
    using ControlId = frmPallixExampleLayout::ControlId;

    // The pointer styles the window shows.
    enum class Pointer { Default = 0, Hand = 99 };
    enum class MessageIcon { None, Critical };

    virtual ~frmPallixExampleView() = default;

    virtual std::string Text(ControlId control) const = 0;
    virtual void SetText(ControlId control, const std::string& text) = 0;
    // A colour as 0x00BBGGRR.
    virtual void SetTextColour(ControlId control, std::uint32_t colour) = 0;
    virtual void SetUnderline(ControlId control, bool underlined) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetPointer(Pointer pointer) = 0;

    // Starts `program` with `argument` and does not wait for it. Failures
    // raise RuntimeError: 53 when there is no such program.
    virtual void StartProgram(const std::string& program, const std::string& argument) = 0;
    // A modal box titled with the application's title, one OK button.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // Unloads the window; the program ends with it.
    virtual void Close() = 0;
    // Ends the program with `status` once the running handler has returned.
    virtual void EndProgram(int status) = 0;

    virtual std::string DecimalSeparator() const = 0;
    virtual std::string ApplicationTitle() const = 0;
};
