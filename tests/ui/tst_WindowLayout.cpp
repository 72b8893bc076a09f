// SPDX-License-Identifier: MIT

// The window as built from its stored layout, checked against what is known of
// it as a whole: its controls, where they stand in the window, what lies above
// what, where the diagram's lines end, and that every text fits.
#include "LineControl.h"
#include "WindowTestSupport.h"
#include "frmPallixExampleLayout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace {

constexpr int kTwips = 15;  // twips per pixel

}  // namespace

class WindowLayout : public QObject {
    Q_OBJECT

private slots:
    void FrameContentsStandWhereTheWindowWantsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("twips");  // in the window's client area
        QTest::newRow("cmdReadTemp") << "cmdReadTemp" << QPoint(1320, 2400);
        QTest::newRow("lblC") << "lblC" << QPoint(2400, 1920);
        QTest::newRow("txtOutput") << "txtOutput" << QPoint(360, 3840);
        QTest::newRow("Image1") << "Image1" << QPoint(5400, 1440);
    }

    void FrameContentsStandWhereTheWindowWantsThem()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, twips);
        frmPallixExampleQt window;
        QCOMPARE(ControlOf(window, qPrintable(name))->mapTo(&window, QPoint(0, 0)) * kTwips, twips);
        QCOMPARE(window.size() * kTwips, QSize(7425, 6375));
    }

    void OfTwoOverlappingControlsTheEarlierOneLiesAbove()
    {
        frmPallixExampleQt window;
        const auto layout = frmPallixExampleLayout::Controls();
        int overlaps = 0;
        for (std::size_t upper = 0; upper < layout.size(); ++upper) {
            for (std::size_t lower = upper + 1; lower < layout.size(); ++lower) {
                const QWidget* above = window.Control(layout[upper].id);
                const QWidget* below = window.Control(layout[lower].id);
                if (above->parent() != below->parent() || !above->geometry().intersects(below->geometry())) {
                    continue;
                }
                ++overlaps;
                const QObjectList& order = above->parent()->children();  // bottom first
                QVERIFY2(order.indexOf(above) > order.indexOf(below),
                         qPrintable(QStringLiteral("%1 under %2").arg(above->objectName(), below->objectName())));
            }
        }
        QVERIFY(overlaps >= 10);  // the diagram's lines run into the photo
    }

    void TheDiagramsLinesEndOnThePinsOfThePhoto()
    {
        frmPallixExampleQt window;
        const QWidget* photo = ControlOf(window, "Image1");
        QSet<QPoint> reached;
        for (const LineControl* line : ControlOf(window, "frLayout")->findChildren<LineControl*>()) {
            for (const QPoint end : {line->line().p1(), line->line().p2()}) {
                if (photo->geometry().contains(end)) {
                    reached << end - photo->pos();
                }
            }
        }
        QCOMPARE(reached, (QSet<QPoint>{{8, 24}, {8, 40}, {24, 72}, {24, 80}}));
    }

    // An ordinary window: larger or maximized it shows more background and
    // moves nothing; smaller, it clips.
    void ResizingMovesAndStretchesNoControl_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("enlarged") << "enlarged";
        QTest::newRow("maximized and restored") << "maximized";
        QTest::newRow("shrunk") << "shrunk";
    }

    void ResizingMovesAndStretchesNoControl()
    {
        QFETCH(QString, how);
        auto window = ShowLoadedWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("PallixExample"));  // never the stored "Example"
        QVERIFY(window->windowFlags().testFlags(Qt::WindowMinMaxButtonsHint));
        QVERIFY(window->maximumSize().width() > window->width());
        std::vector<QRect> before;
        for (const auto& control : frmPallixExampleLayout::Controls()) {
            before.push_back(window->Control(control.id)->geometry());
        }
        if (how == u"maximized") {
            window->showMaximized();
            QTRY_VERIFY(window->isMaximized());
            window->showNormal();
        } else {
            window->resize(how == u"enlarged" ? window->size() * 2 : window->size() / 2);
        }
        QApplication::processEvents();
        for (const auto& control : frmPallixExampleLayout::Controls()) {
            QCOMPARE(window->Control(control.id)->geometry(), before[frmPallixExampleLayout::Index(control.id)]);
        }
    }

    void TheTextIsTheToolkitsDefaultFaceAtEightPointsAndFitsEveryLabel()
    {
        frmPallixExampleQt window;
        QCOMPARE(window.font().pointSize(), 8);
        QCOMPARE(window.font().family(), QApplication::font().family());
        for (const QWidget* control : window.findChildren<QWidget*>()) {
            QVERIFY2(control->font().pointSize() == 8, qPrintable(control->objectName()));
            if (auto* label = qobject_cast<const QLabel*>(control); label && label->pixmap().isNull()) {
                const int advance = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(advance <= label->width(), qPrintable(label->objectName()));
                QVERIFY2(label->alignment().testFlag(Qt::AlignTop), qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(WindowLayout)
#include "tst_WindowLayout.moc"
