#include "frmPallixExample.h"

#include "EventBoundary.h"
#include "LinkLabel.h"
#include "Maker.h"
#include "ProgramIcon.h"
#include "ReadCommand.h"
#include "StartProgram.h"
#include "WindowAccessibility.h"
#include "WindowTexts.h"
#include "frmPallixExampleControls.h"
#include "frmPallixExampleLayout.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using frmPallixExampleLayout::TwipsToPixels;

// The desktop's own way to open a web address in the user's browser.
constexpr const char* kBrowserPath = "/usr/bin/xdg-open";

template <typename Control>
Control* FindControl(const QWidget* window, const char* name)
{
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control) {
        qFatal("frmPallixExample: the layout has no control %s", name);
    }
    return control;
}

}  // namespace

frmPallixExample::frmPallixExample(QWidget* parent, Pallix400 driver)
    : QWidget(parent)
    , adapter_(std::move(driver))
{
    setObjectName(QStringLiteral("frmPallixExample"));
    setWindowTitle(QString::fromUtf8(WindowTexts::kStoredCaption));
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    resize(TwipsToPixels(frmPallixExampleLayout::kClientWidth), TwipsToPixels(frmPallixExampleLayout::kClientHeight));
    CreateControls();
    WindowAccessibility::Describe(this);
    ApplyTabOrder();
    ConnectHandlers();
    cmdClose->setFocus();
}

QFont frmPallixExample::DialogFont()
{
    // The fixed layout was drawn for dialog text of 8 points: the toolkit's
    // own face at that size fits its labels.
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

void frmPallixExample::CreateControls()
{
    std::vector<QWidget*> created;
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        QWidget* container = control.container ? FindControl<QWidget>(this, control.container) : this;
        created.push_back(frmPallixExampleControls::Create(control, container));
    }
    // Controls earlier in the layout lie above later ones.
    std::for_each(created.rbegin(), created.rend(), [](QWidget* widget) { widget->raise(); });

    cmdReadTemp = FindControl<QPushButton>(this, "cmdReadTemp");
    cmdClose = FindControl<QPushButton>(this, "cmdClose");
    txtTemperatur = FindControl<QLineEdit>(this, "txtTemperatur");
    txtOutput = FindControl<QPlainTextEdit>(this, "txtOutput");
    lblUrl = FindControl<LinkLabel>(this, "lblUrl");
}

void frmPallixExample::ApplyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QVariant tabIndex = widget->property(frmPallixExampleControls::kTabIndexProperty);
        if (tabIndex.isValid() && widget->focusPolicy() != Qt::NoFocus) {
            focusable.emplace_back(tabIndex.toInt(), widget);
        }
    }
    std::sort(focusable.begin(), focusable.end());
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
}

void frmPallixExample::ConnectHandlers()
{
    connect(cmdReadTemp, &QPushButton::clicked, this, [this] { Handle(&frmPallixExample::cmdReadTemp_Click); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Handle(&frmPallixExample::cmdClose_Click); });
    connect(lblUrl, &LinkLabel::MouseMoved, this, [this] { Handle(&frmPallixExample::lblUrl_MouseMove); });
    connect(lblUrl, &LinkLabel::Clicked, this, [this] { Handle(&frmPallixExample::lblUrl_Click); });
    setMouseTracking(true);
}

void frmPallixExample::Handle(void (frmPallixExample::*handler)())
{
    EventBoundary::Run([this, handler] { (this->*handler)(); });
}

void frmPallixExample::mouseMoveEvent(QMouseEvent*)
{
    Handle(&frmPallixExample::Form_MouseMove);
}

void frmPallixExample::Form_Load()
{
    adapter_.bDriverReady = false;
    lLinkColor = QColor(0, 0, 255);
    SetLinkColour();
    setWindowTitle(QGuiApplication::applicationDisplayName());
    sBrowserPath = QString::fromLatin1(kBrowserPath);
}

void frmPallixExample::cmdReadTemp_Click()
{
    const ReadCommandResult result = RunReadCommand(adapter_, QLocale::system().decimalPoint().toStdString());
    if (result.temperature) {
        // Set only when it changes, so a selection in the box survives an equal reading.
        const QString temperature = QString::fromStdString(*result.temperature);
        if (txtTemperatur->text() != temperature) {
            txtTemperatur->setText(temperature);
        }
    }
    // The box takes the log's CR LF line ends as single line breaks.
    txtOutput->setPlainText(QString::fromStdString(result.statusLog));
}

void frmPallixExample::cmdClose_Click()
{
    close();
}

void frmPallixExample::SetLinkColour()
{
    QPalette palette = lblUrl->palette();
    palette.setColor(QPalette::WindowText, lLinkColor);
    lblUrl->setPalette(palette);
}

void frmPallixExample::UpdateWebLink(bool bOver)
{
    SetLinkColour();
    QFont font = lblUrl->font();
    font.setUnderline(bOver);
    lblUrl->setFont(font);
    if (bOver) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
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
        platform::StartProgram(sBrowserPath + u' ' + QString::fromLatin1(Maker::kWebAddress));
    } catch (...) {
        const RuntimeError error = EventBoundary::AsRuntimeError(std::current_exception());
        if (error.number() == RuntimeError::FileNotFound) {
            return;
        }
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                        QString::fromStdString(error.description()), QMessageBox::Ok, this);
        box.exec();
    }
}
