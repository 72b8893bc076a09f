// SPDX-License-Identifier: MIT

#include "RecordingView.h"

#include <utility>

using frmPallixExampleLayout::Controls;
using frmPallixExampleLayout::Get;

RecordingView::RecordingView()
{
    for (const auto& control : Controls()) {
        texts_[control.id] = control.caption != nullptr ? control.caption : "";
    }
}

void RecordingView::Record(const std::string& name, const std::string& arguments)
{
    if (const auto failure = failures.find(name); failure != failures.end()) {
        failure->second();
    }
    calls.push_back(name + "(" + arguments + ")");
}

std::string RecordingView::Text(ControlId control) const
{
    return texts_.at(control);
}

void RecordingView::SetText(ControlId control, const std::string& text)
{
    Record("SetText", std::string(Get(control).name) + ", " + text);
    texts_[control] = text;
}

void RecordingView::SetTextColour(ControlId control, std::uint32_t colour)
{
    Record("SetTextColour", std::string(Get(control).name) + ", " + std::to_string(colour));
}

void RecordingView::SetUnderline(ControlId control, bool underlined)
{
    Record("SetUnderline", std::string(Get(control).name) + (underlined ? ", on" : ", off"));
}

void RecordingView::SetCaption(const std::string& caption)
{
    Record("SetCaption", caption);
}

void RecordingView::SetPointer(Pointer pointer)
{
    Record("SetPointer", std::to_string(static_cast<int>(pointer)));
}

void RecordingView::StartProgram(const std::string& program, const std::string& argument)
{
    Record("StartProgram", program + ", " + argument);
}

void RecordingView::ShowMessage(const std::string& text, MessageIcon icon)
{
    Record("ShowMessage", text + (icon == MessageIcon::Critical ? ", critical" : ""));
}

void RecordingView::Close()
{
    Record("Close", "");
}

void RecordingView::EndProgram(int status)
{
    Record("EndProgram", std::to_string(status));
}

std::vector<std::string> RecordingView::Take()
{
    return std::exchange(calls, {});
}
