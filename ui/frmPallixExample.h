#pragma once

#include "basExampleFunctions.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class LinkLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The program's one window: the read command, the temperature and status
// boxes, the wiring diagram and the maker's web link.
class frmPallixExample : public QWidget {
    Q_OBJECT

public:
    // The window reads through its own adapter, on `driver`.
    explicit frmPallixExample(QWidget* parent = nullptr, Pallix400 driver = Pallix400());

    basExampleFunctions& Adapter() noexcept { return adapter_; }

    // The face the window's text is drawn in; the program makes it the
    // application's, so that only one font is loaded.
    static QFont DialogFont();

    // The start-up settings, run once before the window is first shown.
    void Form_Load();

    // The link's look: underlined with a pointing hand over the window while
    // the mouse is over it; the same colour either way.
    void UpdateWebLink(bool bOver);

    QColor lLinkColor;     // the web link's text colour
    QString sBrowserPath;  // the program that opens the maker's web site

protected:
    // Moves over the window's own surface; those over a control stay with it.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void CreateControls();
    void ApplyTabOrder();
    void SetLinkColour();
    void ConnectHandlers();
    // Runs a handler behind the event boundary.
    void Handle(void (frmPallixExample::*handler)());

    void cmdReadTemp_Click();
    void cmdClose_Click();
    void lblUrl_Click();
    void lblUrl_MouseMove();
    void Form_MouseMove();

    basExampleFunctions adapter_;
    QPushButton* cmdReadTemp = nullptr;
    QPushButton* cmdClose = nullptr;
    QLineEdit* txtTemperatur = nullptr;
    QPlainTextEdit* txtOutput = nullptr;
    LinkLabel* lblUrl = nullptr;
};
