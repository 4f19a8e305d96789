#include "ChartTheme.h"

namespace MOXQtLib {

ChartTheme themePreset(int index)
{
    ChartTheme t;
    switch (index) {
    case 1:
        t.name = QStringLiteral("Macarons");
        t.background = QColor(248, 245, 250);
        t.plotArea = QColor(255, 255, 255);
        t.title = QColor(90, 84, 116);
        t.axis = QColor(185, 176, 205);
        t.axisLabel = QColor(122, 113, 145);
        t.grid = QColor(232, 226, 240);
        t.pointer = QColor(179, 166, 209, 190);
        t.palette = {QColor(45, 183, 245),  QColor(239, 90, 161), QColor(250, 200, 88),
                     QColor(114, 204, 104), QColor(251, 132, 53), QColor(155, 94, 230)};
        break;
    case 2:
        t.name = QStringLiteral("Shine");
        t.background = QColor(255, 251, 245);
        t.plotArea = QColor(255, 255, 255);
        t.title = QColor(111, 78, 55);
        t.axis = QColor(204, 176, 148);
        t.axisLabel = QColor(138, 105, 77);
        t.grid = QColor(243, 227, 210);
        t.pointer = QColor(221, 182, 140, 190);
        t.palette = {QColor(193, 35, 43),  QColor(39, 114, 123), QColor(252, 206, 16),
                     QColor(232, 124, 37), QColor(39, 174, 96),  QColor(142, 68, 173)};
        break;
    case 3:
        t.name = QStringLiteral("Dark");
        t.background = QColor(16, 20, 28);
        t.plotArea = QColor(24, 30, 42);
        t.title = QColor(233, 238, 247);
        t.axis = QColor(96, 110, 132);
        t.axisLabel = QColor(169, 181, 201);
        t.grid = QColor(58, 67, 84);
        t.pointer = QColor(132, 147, 173, 210);
        t.palette = {QColor(73, 220, 187),  QColor(114, 159, 255), QColor(255, 194, 92),
                     QColor(255, 120, 134), QColor(172, 120, 255), QColor(102, 205, 249)};
        break;
    default:
        t.name = QStringLiteral("Default");
        t.background = QColor(255, 255, 255);
        t.plotArea = QColor(255, 255, 255);
        t.title = QColor(67, 76, 94);
        t.axis = QColor(145, 154, 170);
        t.axisLabel = QColor(101, 111, 128);
        t.grid = QColor(229, 233, 242);
        t.pointer = QColor(171, 179, 191, 180);
        t.palette = {QColor(84, 112, 198),  QColor(145, 204, 117), QColor(250, 200, 88),
                     QColor(238, 102, 102), QColor(115, 192, 222), QColor(59, 162, 114)};
        break;
    }
    return t;
}

} // namespace MOXQtLib
