#include "ChartTheme.h"

#include <iterator>

namespace MOXQtLib {

namespace {

struct PresetColors
{
    const char* name;
    struct
    {
        QRgb background, plotArea, title, axis, axisLabel, grid, pointer;
    } colors;
    QRgb palette[6];
};

// In index order; the first row also serves every unknown index.
constexpr PresetColors kPresets[] = {
    {"Default",
     {qRgb(255, 255, 255), qRgb(255, 255, 255), qRgb(67, 76, 94), qRgb(145, 154, 170),
      qRgb(101, 111, 128), qRgb(229, 233, 242), qRgba(171, 179, 191, 180)},
     {qRgb(84, 112, 198), qRgb(145, 204, 117), qRgb(250, 200, 88), qRgb(238, 102, 102),
      qRgb(115, 192, 222), qRgb(59, 162, 114)}},
    {"Macarons",
     {qRgb(248, 245, 250), qRgb(255, 255, 255), qRgb(90, 84, 116), qRgb(185, 176, 205),
      qRgb(122, 113, 145), qRgb(232, 226, 240), qRgba(179, 166, 209, 190)},
     {qRgb(45, 183, 245), qRgb(239, 90, 161), qRgb(250, 200, 88), qRgb(114, 204, 104),
      qRgb(251, 132, 53), qRgb(155, 94, 230)}},
    {"Shine",
     {qRgb(255, 251, 245), qRgb(255, 255, 255), qRgb(111, 78, 55), qRgb(204, 176, 148),
      qRgb(138, 105, 77), qRgb(243, 227, 210), qRgba(221, 182, 140, 190)},
     {qRgb(193, 35, 43), qRgb(39, 114, 123), qRgb(252, 206, 16), qRgb(232, 124, 37),
      qRgb(39, 174, 96), qRgb(142, 68, 173)}},
    {"Dark",
     {qRgb(16, 20, 28), qRgb(24, 30, 42), qRgb(233, 238, 247), qRgb(96, 110, 132),
      qRgb(169, 181, 201), qRgb(58, 67, 84), qRgba(132, 147, 173, 210)},
     {qRgb(73, 220, 187), qRgb(114, 159, 255), qRgb(255, 194, 92), qRgb(255, 120, 134),
      qRgb(172, 120, 255), qRgb(102, 205, 249)}},
};

} // namespace

ChartTheme themePreset(int index)
{
    const PresetColors& p = kPresets[index > 0 && index < int(std::size(kPresets)) ? index : 0];
    ChartTheme t;
    t.name = QString::fromLatin1(p.name);
    t.background = QColor::fromRgba(p.colors.background);
    t.plotArea = QColor::fromRgba(p.colors.plotArea);
    t.title = QColor::fromRgba(p.colors.title);
    t.axis = QColor::fromRgba(p.colors.axis);
    t.axisLabel = QColor::fromRgba(p.colors.axisLabel);
    t.grid = QColor::fromRgba(p.colors.grid);
    t.pointer = QColor::fromRgba(p.colors.pointer);
    for (QRgb c : p.palette)
        t.palette.append(QColor::fromRgba(c));
    return t;
}

int effectiveTooltipTrigger(int trigger)
{
    return trigger == TooltipItem || trigger == TooltipAxis ? trigger : TooltipNone;
}

} // namespace MOXQtLib
