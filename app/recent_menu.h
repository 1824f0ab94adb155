// File > Open Recent: the pictures last opened, the latest first; one that
// is no longer there is greyed. A choice opens as image A.
#pragma once
#include <QString>
#include <functional>

class QMenu;

namespace pixmora::app {

// Fills menu afresh (as it is about to show).
void FillRecentMenu(QMenu& menu, const std::function<void(const QString& path)>& open);

}  // namespace pixmora::app
