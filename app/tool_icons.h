// The tool bar's 24 x 24 icons, painted in code.
#pragma once
#include <QIcon>

namespace pixmora::app {

inline constexpr int kToolButtons = 7;

// Buttons 0..4 show image A, image B, the result, the pattern and the shape;
// 5 and 6 make the result image A or image B.
QIcon ToolIcon(int index);
// What the button does, in English (the window shows it translated).
const char* ToolTip(int index);

// The tool bar's buttons of the window's own: the selection tools and Chain.
enum class OwnTool { RectangleSelection, EllipseSelection, Chain };
QIcon OwnToolIcon(OwnTool tool);

}  // namespace pixmora::app
