// SPDX-License-Identifier: MIT

#include "frmPallixExampleQt.h"

#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "StartProgram.h"
#include "WindowAccessibility.h"
#include "WindowTexts.h"
#include "frmPallixExampleControls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <algorithm>
#include <utility>
#include <vector>

using frmPallixExampleLayout::ControlId;
using frmPallixExampleLayout::Index;
using frmPallixExampleLayout::TwipsToPixels;

frmPallixExampleQt::frmPallixExampleQt(basExampleFunctions adapter, QWidget* parent)
    : QWidget(parent)
    , form_(*this, std::move(adapter))
{
    setObjectName(QStringLiteral("frmPallixExample"));
    setWindowTitle(QString::fromUtf8(WindowTexts::kStoredCaption));
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    resize(TwipsToPixels(frmPallixExampleLayout::kClientWidth), TwipsToPixels(frmPallixExampleLayout::kClientHeight));
    CreateControls();
    WindowAccessibility::Describe(controls_);
    ApplyTabOrder();
    ConnectEvents();
    Control(ControlId::cmdClose)->setFocus();
}

QFont frmPallixExampleQt::DialogFont()
{
    // The fixed layout was drawn for dialog text of 8 points: the toolkit's
    // own face at that size fits its labels.
    QFont font = QApplication::font();
    font.setPointSize(8);
    return font;
}

QWidget* frmPallixExampleQt::Control(ControlId control) const
{
    return control == ControlId::Window ? const_cast<frmPallixExampleQt*>(this) : controls_.at(Index(control));
}

void frmPallixExampleQt::CreateControls()
{
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        controls_[Index(control.id)] = frmPallixExampleControls::Create(control, Control(control.container));
    }
    // Controls earlier in the layout lie above later ones.
    std::for_each(controls_.rbegin(), controls_.rend(), [](QWidget* widget) { widget->raise(); });
}

void frmPallixExampleQt::ApplyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> focusable;
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        if (control.takesFocus) {
            focusable.emplace_back(control.tabIndex, Control(control.id));
        }
    }
    std::sort(focusable.begin(), focusable.end());
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        setTabOrder(focusable[i - 1].second, focusable[i].second);
    }
}

void frmPallixExampleQt::ConnectEvents()
{
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        const ControlId id = control.id;
        if (auto* button = qobject_cast<QAbstractButton*>(Control(id))) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { form_.Click(id); });
        } else if (auto* link = qobject_cast<LinkLabel*>(Control(id))) {
            connect(link, &LinkLabel::MouseMoved, this, [this, id] { form_.MouseMove(id); });
            connect(link, &LinkLabel::Clicked, this, [this, id] { form_.Click(id); });
        }
    }
    setMouseTracking(true);
}

void frmPallixExampleQt::mouseMoveEvent(QMouseEvent*)
{
    form_.MouseMove(ControlId::Window);
}

std::string frmPallixExampleQt::Text(ControlId control) const
{
    const QWidget* widget = Control(control);
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
        return line->text().toStdString();
    }
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) {
        return box->toPlainText().toStdString();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title().toStdString();
    }
    return {};
}

void frmPallixExampleQt::SetText(ControlId control, const std::string& text)
{
    QWidget* widget = Control(control);
    const QString value = QString::fromStdString(text);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(value);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
        // The box takes the log's CR LF line ends as single line breaks.
        box->setPlainText(value);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        frame->setTitle(value);
    }
}

void frmPallixExampleQt::SetTextColour(ControlId control, std::uint32_t colour)
{
    QWidget* widget = Control(control);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                            static_cast<int>((colour >> 16) & 0xFF)));
    widget->setPalette(palette);
}

void frmPallixExampleQt::SetUnderline(ControlId control, bool underlined)
{
    QWidget* widget = Control(control);
    QFont font = widget->font();
    font.setUnderline(underlined);
    widget->setFont(font);
}

void frmPallixExampleQt::SetCaption(const std::string& caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void frmPallixExampleQt::SetPointer(Pointer pointer)
{
    if (pointer == Pointer::Hand) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
}

void frmPallixExampleQt::StartProgram(const std::string& program, const std::string& argument)
{
    // As on the system the example comes from: one command line, the
    // program's path unquoted.
    platform::StartProgram(QString::fromStdString(program + ' ' + argument));
}

void frmPallixExampleQt::ShowMessage(const std::string& text, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QString::fromStdString(ApplicationTitle()), QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

void frmPallixExampleQt::Close()
{
    close();
}

void frmPallixExampleQt::EndProgram(int status)
{
    endStatus_ = status;
    QCoreApplication::exit(status);
}

std::string frmPallixExampleQt::DecimalSeparator() const
{
    return QLocale::system().decimalPoint().toStdString();
}

std::string frmPallixExampleQt::ApplicationTitle() const
{
    return QGuiApplication::applicationDisplayName().toStdString();
}
