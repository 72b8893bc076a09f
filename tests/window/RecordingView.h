// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleView.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// A front end that does nothing but remember: each call the window's
// behaviour makes, in order, as one line such as "SetText(txtOutput, ...)",
// and the texts its controls hold. A test may make any call fail.
class RecordingView : public frmPallixExampleView {
public:
    RecordingView();

    std::vector<std::string> calls;
    std::string decimalSeparator = ".";
    // Run by the named call before it is recorded; a test throws from it.
    std::map<std::string, std::function<void()>> failures;

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
    std::string DecimalSeparator() const override { return decimalSeparator; }
    std::string ApplicationTitle() const override { return "PallixExample"; }

    // The calls recorded since the last Take(), which forgets them.
    std::vector<std::string> Take();

private:
    void Record(const std::string& name, const std::string& arguments);
    std::map<ControlId, std::string> texts_;
};
