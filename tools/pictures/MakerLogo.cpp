// SPDX-License-Identifier: MIT

#include "MakerLogo.h"

#include "Palette16.h"

#include <QFont>
#include <QPainter>

namespace MakerLogo {
namespace {

QFont LogoFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace

QImage Draw()
{
    QImage logo(kWidth, kHeight, QImage::Format_RGB32);
    logo.fill(Qt::white);
    {
        QPainter painter(&logo);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setPen(Qt::black);

        QFont name = LogoFont(21, QFont::Black);
        name.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        painter.setFont(name);
        painter.drawText(QRect(0, 0, kWidth, 22), Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("MIRAL"));

        painter.fillRect(6, 22, kWidth - 12, 2, Qt::black);

        painter.setFont(LogoFont(9, QFont::Normal));
        painter.drawText(QRect(0, 24, kWidth, kHeight - 24), Qt::AlignCenter, QStringLiteral("Elektronik GmbH"));
    }
    return Palette16::ToIndexed(logo, Palette16::Colours());
}

}  // namespace MakerLogo
