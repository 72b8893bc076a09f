// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExample.h"
#include "frmPallixExampleView.h"

#include <QFont>
#include <QWidget>

#include <array>
#include <optional>

// The window as a Qt widget: its controls built from the layout, their events
// handed to the window's behaviour, and what the behaviour asks carried out.
class frmPallixExampleQt : public QWidget, public frmPallixExampleView {
    Q_OBJECT

public:
    explicit frmPallixExampleQt(basExampleFunctions adapter = basExampleFunctions(), QWidget* parent = nullptr);

    // The face the window's text is drawn in; the program makes it the
    // application's, so that only one font is loaded.
    static QFont DialogFont();

    frmPallixExample& Form() noexcept { return form_; }
    QWidget* Control(ControlId control) const;
    // The status the behaviour asked the program to end with, if it did.
    std::optional<int> EndStatus() const noexcept { return endStatus_; }

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

protected:
    // Moves over the window's own surface; those over a control stay with it.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ApplyTabOrder();
    void ConnectEvents();

    std::array<QWidget*, frmPallixExampleLayout::kControlCount> controls_{};
    frmPallixExample form_;
    std::optional<int> endStatus_;
};
