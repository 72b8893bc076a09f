// SPDX-License-Identifier: MIT

#include "AdapterPhoto.h"

#include "SilkscreenFont.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdint>

namespace AdapterPhoto {
namespace {

constexpr int kBoardLeft = 12;
constexpr int kBoardTop = 4;

const QRect headerHousing(14, 17, 16, 31);
const QRect connectorHousing(31, 56, 17, 41);

// Top to bottom across one pin: lit from above, as in the photo.
const std::array<QColor, kHeaderPinHeight> kTinShades{
    QColor(128, 128, 134), QColor(196, 196, 202), QColor(232, 232, 236), QColor(176, 176, 182), QColor(112, 112, 118)};
const std::array<QColor, kConnectorPinHeight> kGoldShades{QColor(176, 140, 60), QColor(236, 204, 120),
                                                          QColor(150, 116, 46)};

const QColor silkscreen(232, 236, 226);
const QColor tin(196, 196, 200);
const QColor drilledHole(24, 24, 26);

void DrawDesk(QPainter& painter)
{
    QLinearGradient shade(0, 0, 0, kHeight);
    shade.setColorAt(0, QColor(80, 82, 88));
    shade.setColorAt(1, QColor(56, 58, 64));
    painter.fillRect(0, 0, kWidth, kHeight, shade);
}

void DrawBoard(QPainter& painter)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(kBoardLeft + 0.5, kBoardTop + 0.5, kWidth, kHeight), 4, 4);
    QLinearGradient shade(kBoardLeft, kBoardTop, kWidth, kHeight);
    shade.setColorAt(0, QColor(44, 126, 84));
    shade.setColorAt(1, QColor(20, 86, 58));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(150, 170, 112), 1));
    painter.setBrush(shade);
    painter.drawPath(outline);

    // Copper traces show through the solder mask as lighter strokes.
    painter.setPen(QPen(QColor(255, 255, 255, 30), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygon({{34, 26}, {39, 31}, {64, 31}, {74, 41}, {74, 121}}));
    painter.drawPolyline(QPolygon({{34, 38}, {58, 38}, {66, 46}, {66, 121}}));
    // The connector's traces fan out to the right and run down, nested.
    for (int i = 0; i < 4; ++i) {
        const int y = kConnectorPinCentresY[static_cast<std::size_t>(i)];
        const int bendX = 58 + 4 * i;
        const int downX = 82 - 4 * i;
        painter.drawPolyline(QPolygon({{52, y}, {bendX, y}, {downX, y + 10 - 2 * i}, {downX, kHeight - 1}}));
    }
    painter.drawPolyline(QPolygon({{kBoardLeft + 4, 121}, {kBoardLeft + 4, 106}, {26, 100}}));
}

void DrawSolderJoint(QPainter& painter, QPointF centre, qreal radius)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(tin.darker(140));
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(tin);
    painter.drawEllipse(centre - QPointF(0.4, 0.4), radius - 0.8, radius - 0.8);
}

void DrawSmallParts(QPainter& painter)
{
    // Two resistors and a few vias, unlabelled.
    for (const QRect body : {QRect(22, 104, 9, 4), QRect(22, 112, 9, 4)}) {
        painter.fillRect(body.adjusted(-2, 0, 2, 0), tin);
        painter.fillRect(body, QColor(30, 30, 32));
    }
    for (const QPointF via : {QPointF(26, 100), QPointF(44, 108), QPointF(88, 104)}) {
        DrawSolderJoint(painter, via, 1.8);
        painter.setBrush(drilledHole);
        painter.drawEllipse(via, 0.7, 0.7);
    }
}

void DrawLegend(QImage& photo)
{
    const QString inputs = QStringLiteral("I1 I2 SCL GND");
    const QString outputs = QStringLiteral("O1 O2 SDA GND");
    const int left = kWidth - 3 - SilkscreenFont::TextWidth(inputs);
    SilkscreenFont::DrawText(photo, {left, 8}, inputs, silkscreen);
    SilkscreenFont::DrawText(photo, {left, 15}, outputs, silkscreen);
    SilkscreenFont::DrawText(photo, {left, 23}, QStringLiteral("O1=trigger"), silkscreen);
}

void DrawMountingHole(QPainter& painter)
{
    const QPointF centre(90, 14);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 70, 46));
    painter.drawEllipse(centre, 7.2, 7.2);
    DrawSolderJoint(painter, centre, 6.0);
    painter.setBrush(drilledHole);
    painter.drawEllipse(centre + QPointF(0.3, 0.3), 3.8, 3.8);
}

void DrawPin(QPainter& painter, int left, int right, int top, const QColor* shades, int count)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < count; ++row) {
        painter.setPen(shades[row]);
        painter.drawLine(left, top + row, right, top + row);
    }
    // The pin's shadow falls down and to the right.
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawLine(left + 1, top + count, right, top + count);
}

void DrawHeader(QPainter& painter)
{
    const int lowerPinTop = kHeaderLowerPinBottom - kHeaderPinHeight + 1;
    for (const int top : {kHeaderUpperPinTop, lowerPinTop}) {
        DrawPin(painter, kHeaderPinTipX, headerHousing.left() - 1, top, kTinShades.data(), kHeaderPinHeight);
        DrawSolderJoint(painter, QPointF(headerHousing.right() + 4, top + 2.5), 2.6);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient shade(0, headerHousing.top(), 0, headerHousing.bottom());
    shade.setColorAt(0, QColor(58, 58, 62));
    shade.setColorAt(1, QColor(20, 20, 22));
    painter.fillRect(headerHousing, shade);
    painter.fillRect(headerHousing.left(), headerHousing.top(), headerHousing.width(), 1, QColor(92, 92, 96));
    painter.fillRect(headerHousing.left(), headerHousing.top(), 1, headerHousing.height(), QColor(72, 72, 76));
    painter.fillRect(headerHousing.left() + 1, 32, headerHousing.width() - 1, 1, QColor(10, 10, 12));
    painter.fillRect(headerHousing.right() + 1, headerHousing.top() + 2, 1, headerHousing.height() - 1,
                     QColor(0, 0, 0, 80));
}

void DrawConnector(QPainter& painter)
{
    const int pinRight = connectorHousing.left() - 1;
    for (const int centre : kConnectorPinCentresY) {
        const int top = centre - kConnectorPinHeight / 2;
        DrawPin(painter, kConnectorPinLeftX, pinRight, top, kGoldShades.data(), kConnectorPinHeight);
        DrawSolderJoint(painter, QPointF(connectorHousing.right() + 4.5, centre + 0.5), 2.2);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    QLinearGradient shade(connectorHousing.left(), 0, connectorHousing.right(), 0);
    shade.setColorAt(0, QColor(236, 230, 210));
    shade.setColorAt(1, QColor(192, 186, 166));
    painter.setPen(QColor(140, 134, 116));
    painter.setBrush(shade);
    painter.drawRect(connectorHousing.adjusted(0, 0, -1, -1));
    // The latch ridge along the housing and the openings the pins enter.
    painter.fillRect(connectorHousing.left() + 4, connectorHousing.top() + 3, 2, connectorHousing.height() - 6,
                     QColor(176, 170, 150));
    for (const int centre : kConnectorPinCentresY) {
        painter.fillRect(connectorHousing.left() + 1, centre - 2, 2, 5, QColor(96, 90, 78));
    }
    painter.fillRect(connectorHousing.right() + 1, connectorHousing.top() + 2, 1, connectorHousing.height() - 1,
                     QColor(0, 0, 0, 80));
}

// A faint, repeatable grain, so that flat areas look photographed.
void AddGrain(QImage& photo)
{
    for (int y = 0; y < photo.height(); ++y) {
        for (int x = 0; x < photo.width(); ++x) {
            std::uint32_t hash =
                static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
            hash = (hash ^ (hash >> 13)) * 1274126177u;
            const int grain = static_cast<int>((hash ^ (hash >> 16)) % 7u) - 3;
            const QColor colour = photo.pixelColor(x, y);
            photo.setPixelColor(x, y,
                                QColor(std::clamp(colour.red() + grain, 0, 255),
                                       std::clamp(colour.green() + grain, 0, 255),
                                       std::clamp(colour.blue() + grain, 0, 255)));
        }
    }
}

bool IsPinColour(const QColor& colour)
{
    const auto near = [&colour](const QColor& shade) {
        return std::abs(colour.red() - shade.red()) <= 8 && std::abs(colour.green() - shade.green()) <= 8 &&
               std::abs(colour.blue() - shade.blue()) <= 8;
    };
    return std::any_of(kTinShades.begin(), kTinShades.end(), near) ||
           std::any_of(kGoldShades.begin(), kGoldShades.end(), near);
}

}  // namespace

QImage Draw()
{
    QImage photo(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter painter(&photo);
        DrawDesk(painter);
        DrawBoard(painter);
        DrawSmallParts(painter);
    }
    DrawLegend(photo);
    {
        QPainter painter(&photo);
        DrawMountingHole(painter);
        DrawHeader(painter);
        DrawConnector(painter);
    }
    AddGrain(photo);
    return photo.convertToFormat(QImage::Format_RGB888);
}

QStringList Misfits(const QImage& photo)
{
    if (photo.size() != QSize(kWidth, kHeight)) {
        return {QStringLiteral("the photo is %1 x %2 pixels, not %3 x %4")
                    .arg(photo.width())
                    .arg(photo.height())
                    .arg(kWidth)
                    .arg(kHeight)};
    }
    struct Probe {
        QPoint pixel;
        bool onPin;
        const char* what;
    };
    const QPoint up(0, -1);
    const QPoint down(0, 1);
    const QPoint left(-1, 0);
    const QPoint right(1, 0);
    const std::array probes{
        Probe{kO1LineEnd, true, "the O1 line's end, on the upper header pin"},
        Probe{kO1LineEnd + up, false, "just above the O1 line's end"},
        Probe{kO1LineEnd + left, false, "just left of the O1 line's end"},
        Probe{kI1LineEnd, true, "the I1 line's end, on the lower header pin"},
        Probe{kI1LineEnd + down, false, "just below the I1 line's end"},
        Probe{kI1LineEnd + left, false, "just left of the I1 line's end"},
        Probe{kGndLineEnd, false, "the GND line's end, short of the connector's 2nd pin"},
        Probe{kGndLineEnd + right, true, "the left end of the connector's 2nd pin"},
        Probe{kVccLineEnd, false, "the VCC line's end, short of the connector's 3rd pin"},
        Probe{kVccLineEnd + right, true, "the left end of the connector's 3rd pin"},
    };
    QStringList problems;
    for (const Probe& probe : probes) {
        if (IsPinColour(photo.pixelColor(probe.pixel)) != probe.onPin) {
            problems << QStringLiteral("pixel (%1,%2), %3, should %4be a pin")
                            .arg(probe.pixel.x())
                            .arg(probe.pixel.y())
                            .arg(QLatin1String(probe.what))
                            .arg(probe.onPin ? QString() : QStringLiteral("not "));
        }
    }
    return problems;
}

}  // namespace AdapterPhoto
