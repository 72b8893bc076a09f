// SPDX-License-Identifier: MIT

#include "frmPallixExample.h"

#include "Maker.h"
#include "ReadCommand.h"
#include "RuntimeError.h"
#include "WindowTexts.h"

#include <exception>
#include <utility>

namespace {

using frmPallixExampleLayout::ControlId;

// The program that opens a web address in the user's browser: the desktop's
// own on Linux; on Windows the browser the example was written for, started
// as exactly that file.
#ifdef _WIN32
constexpr const char* kBrowserPath = "C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
#else
constexpr const char* kBrowserPath = "/usr/bin/xdg-open";
#endif

constexpr std::uint32_t kBlue = 0x00FF0000;

}  // namespace

frmPallixExample::frmPallixExample(frmPallixExampleView& view, basExampleFunctions adapter)
    : view_(view)
    , adapter_(std::move(adapter))
{
}

template <typename Handler>
void frmPallixExample::Run(Handler handler) noexcept
{
    RunReportingUntrapped([this, handler] { (this->*handler)(); },
                          [this](const std::exception_ptr& exception) {
                              try {
                                  const RuntimeError error = RuntimeError::From(exception);
                                  view_.ShowMessage(
                                      WindowTexts::RunTimeErrorReport(error.number(), error.description()),
                                      frmPallixExampleView::MessageIcon::Critical);
                              } catch (...) {
                                  // The report could not be shown; the program still ends.
                              }
                              view_.EndProgram(kUntrappedErrorStatus);
                          });
}

void frmPallixExample::Load()
{
    Run(&frmPallixExample::Form_Load);
}

void frmPallixExample::Click(ControlId control)
{
    switch (control) {
    case ControlId::cmdReadTemp:
        Run(&frmPallixExample::cmdReadTemp_Click);
        break;
    case ControlId::cmdClose:
        Run(&frmPallixExample::cmdClose_Click);
        break;
    case ControlId::lblUrl:
        Run(&frmPallixExample::lblUrl_Click);
        break;
    default:
        break;
    }
}

void frmPallixExample::MouseMove(ControlId control)
{
    if (control == ControlId::lblUrl) {
        Run(&frmPallixExample::lblUrl_MouseMove);
    } else if (control == ControlId::Window || frmPallixExampleLayout::Get(control).isSurface) {
        Run(&frmPallixExample::Form_MouseMove);
    }
}

void frmPallixExample::Form_Load()
{
    adapter_.bDriverReady = false;
    lLinkColor = kBlue;
    view_.SetTextColour(ControlId::lblUrl, lLinkColor);
    view_.SetCaption(view_.ApplicationTitle());
    sBrowserPath = kBrowserPath;
}

void frmPallixExample::cmdReadTemp_Click()
{
    const ReadCommandResult result = RunReadCommand(adapter_, view_.DecimalSeparator());
    // Set only when it changes, so that a selection in the box survives an
    // equal reading.
    if (result.temperature && view_.Text(ControlId::txtTemperatur) != *result.temperature) {
        view_.SetText(ControlId::txtTemperatur, *result.temperature);
    }
    view_.SetText(ControlId::txtOutput, result.statusLog);
}

void frmPallixExample::cmdClose_Click()
{
    view_.Close();
}

void frmPallixExample::UpdateWebLink(bool bOver)
{
    view_.SetTextColour(ControlId::lblUrl, lLinkColor);
    view_.SetUnderline(ControlId::lblUrl, bOver);
    view_.SetPointer(bOver ? frmPallixExampleView::Pointer::Hand : frmPallixExampleView::Pointer::Default);
}

void frmPallixExample::lblUrl_MouseMove()
{
    UpdateWebLink(true);
}

void frmPallixExample::Form_MouseMove()
{
    UpdateWebLink(false);
}

void frmPallixExample::lblUrl_Click()
{
    try {
        view_.StartProgram(sBrowserPath, Maker::kWebAddress);
    } catch (...) {
        // No browser there: nothing to say. Any other failure is shown, and
        // the window goes on as it was.
        const RuntimeError error = RuntimeError::From(std::current_exception());
        if (error.number() != RuntimeError::FileNotFound) {
            view_.ShowMessage(error.description(), frmPallixExampleView::MessageIcon::None);
        }
    }
}
